#include "platform/qt_dialogs.h"
#include "support/modal_answers.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace vavivor {

// The program's dialogs on Qt: the test answers each one as a user would, from inside its
// event loop.
class QtDialogsTest : public QObject {
    Q_OBJECT

private:
    QtDialogs m_dialogs;

private slots:
    // The question guards a deletion: No is the default, so Enter alone does not delete. The
    // description box starts empty; the size box shows its value and its range.
    void boxesReturnTheAnswerOrNothing_data() {
        QTest::addColumn<bool>("ok"); // Yes, else No; OK, else Cancel
        QTest::newRow("answered") << true;
        QTest::newRow("cancel") << false;
    }

    void boxesReturnTheAnswerOrNothing() {
        QFETCH(bool, ok);
        QStringList shown;
        const auto answer = [&](auto set) {
            return [&shown, ok, set](QWidget* w) {
                auto* dialog = qobject_cast<QInputDialog*>(w);
                shown << dialog->textValue();
                set(*dialog);
                ok ? dialog->accept() : dialog->reject();
            };
        };
        answerModals({[&](QWidget* w) {
                          auto* box = qobject_cast<QMessageBox*>(w);
                          shown << (box->defaultButton() == box->button(QMessageBox::No) ? "No"
                                                                                         : "other");
                          box->button(ok ? QMessageBox::Yes : QMessageBox::No)->click();
                      },
                      answer([](QInputDialog& d) { d.setTextValue("Spiral tree"); }),
                      answer([&shown](QInputDialog& d) {
                          shown << QStringLiteral("%1 in %2..%3")
                                       .arg(d.intValue())
                                       .arg(d.intMinimum())
                                       .arg(d.intMaximum());
                          d.setIntValue(800);
                      })});
        QCOMPARE(m_dialogs.askYesNo("Delete?", "LIST RECORD"), ok);
        QCOMPARE(m_dialogs.askText("Please enter a description", "STORE"),
                 ok ? std::optional<std::string>("Spiral tree") : std::nullopt);
        QCOMPARE(m_dialogs.askNumber("Width and height:", "Export Picture", 656, 16, 8192),
                 ok ? std::optional<int>(800) : std::nullopt);
        QCOMPARE(shown, QStringList({"No", "", "", "656 in 16..8192"}));
    }

    // Storage files: Change may name a new file, Delete only an existing one; both start in
    // ~/Vavivor and give a name typed without extension .zlr. Pictures: the dialogs start in the
    // folder of the last picture saved, else in ~/Vavivor, and a name typed without extension
    // takes that of the kind chosen.
    void fileDialogsStartInTheRightFolderAndAddTheExtension() {
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        const QString vavivor = home.filePath("Vavivor");
        const QString pictures = home.filePath("pictures");
        QVERIFY(QDir().mkpath(vavivor) && QDir().mkpath(pictures));

        QStringList shown;
        // Types `name` (none: cancels), after choosing `kind` from the list with the arrow keys.
        const auto answer = [&shown](const QString& name, const QString& kind = {}) {
            return [&shown, name, kind](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                shown << QString::number(dialog->fileMode()) << dialog->nameFilters()
                      << dialog->directory().absolutePath();
                auto* kinds = dialog->findChild<QComboBox*>("fileTypeCombo");
                for (int i = 0; i < kinds->count() && kinds->currentText() != kind; ++i) {
                    QTest::keyClick(kinds, Qt::Key_Down);
                }
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                name.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
            };
        };
        const QString svg = QStringLiteral("SVG drawing (*.svg)");
        const QString png = QStringLiteral("PNG image (*.png)");
        answerModals({answer("new"), answer(""), answer(pictures + "/tree", svg),
                      answer("grid", png), answer("")});
        const auto created = m_dialogs.chooseStorageFile("SELECT/CREATE A STORAGE FILE", false);
        const auto deleted = m_dialogs.chooseStorageFile("DELETE A STORAGE FILE", true);
        const auto tree = m_dialogs.chooseSvgFile("Export the Family Tree");
        const auto grid = m_dialogs.choosePictureFile("Export Picture");
        const auto cancelled = m_dialogs.choosePictureFile("Export Picture");
        qputenv("HOME", savedHome);

        QCOMPARE(QString::fromStdString(created.value_or("")), vavivor + "/new.zlr");
        QCOMPARE(QString::fromStdString(tree.value_or("")), pictures + "/tree.svg");
        QCOMPARE(QString::fromStdString(grid.value_or("")), pictures + "/grid.png");
        QVERIFY(!deleted && !cancelled);
        const QString any = QString::number(QFileDialog::AnyFile);
        QCOMPARE(shown, QStringList({any, "Storage (*.zlr)", vavivor,
                                     QString::number(QFileDialog::ExistingFile), "Storage (*.zlr)",
                                     vavivor, any, svg, vavivor, any, svg, png, pictures, any, svg,
                                     png, pictures}));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::QtDialogsTest)
#include "qt_dialogs_test.moc"
