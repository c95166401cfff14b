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
    void messageAndYesNoShowTheirTextsAndButtons_data() {
        QTest::addColumn<int>("button"); // Ok: a message, else the answer to a question
        QTest::newRow("message") << int(QMessageBox::Ok);
        QTest::newRow("yes") << int(QMessageBox::Yes);
        QTest::newRow("no") << int(QMessageBox::No);
    }

    void messageAndYesNoShowTheirTextsAndButtons() {
        QFETCH(int, button);
        QString shown;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton preset = QMessageBox::NoButton;
        answerModals({[&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            shown = box->windowTitle() + ": " + box->text();
            buttons = box->standardButtons();
            preset = box->standardButton(box->defaultButton());
            box->button(static_cast<QMessageBox::StandardButton>(button))->click();
        }});
        if (button == QMessageBox::Ok) {
            m_dialogs.message("You must SELECT an item first.", "LIST RECORD");
            QCOMPARE(buttons, QMessageBox::Ok);
        } else {
            QCOMPARE(m_dialogs.askYesNo("You must SELECT an item first.", "LIST RECORD"),
                     button == QMessageBox::Yes);
            QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(preset, QMessageBox::No); // Enter alone does not delete
        }
        QCOMPARE(shown, QStringLiteral("LIST RECORD: You must SELECT an item first."));
    }

    void inputBoxesReturnTheAnswerOrNothing_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("answered") << true;
        QTest::newRow("cancel") << false;
    }

    void inputBoxesReturnTheAnswerOrNothing() {
        QFETCH(bool, ok);
        QStringList shown;
        const auto answer = [&](auto set) {
            return [&shown, ok, set](QWidget* w) {
                auto* dialog = qobject_cast<QInputDialog*>(w);
                shown << dialog->windowTitle() << dialog->labelText() << dialog->textValue();
                set(*dialog);
                ok ? dialog->accept() : dialog->reject();
            };
        };
        answerModals(
            {answer([](QInputDialog& d) { d.setTextValue(QStringLiteral("Spiral tree")); }),
             answer([&shown](QInputDialog& d) {
                 shown << QStringLiteral("%1 in %2..%3")
                              .arg(d.intValue())
                              .arg(d.intMinimum())
                              .arg(d.intMaximum());
                 d.setIntValue(800);
             })});
        const auto text = m_dialogs.askText(
            "Please enter a description\n(Not longer than 20 characters).", "STORE: /HOME/U/X.ZLR");
        const auto number =
            m_dialogs.askNumber("Width and height:", "Export Picture", 656, 16, 8192);
        QCOMPARE(shown,
                 QStringList({"STORE: /HOME/U/X.ZLR",
                              "Please enter a description\n(Not longer than 20 characters).", "",
                              "Export Picture", "Width and height:", "", "656 in 16..8192"}));
        QCOMPARE(text, ok ? std::optional<std::string>("Spiral tree") : std::nullopt);
        QCOMPARE(number, ok ? std::optional<int>(800) : std::nullopt);
    }

    // Change Storage file may name a new file, Delete only an existing one; the dialog starts
    // in ~/Vavivor where that exists, and a name typed without its extension gets it.
    void fileDialogProposesStorageFiles_data() {
        QTest::addColumn<bool>("mustExist");
        QTest::addColumn<bool>("vavivorFolder");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("change, ~/Vavivor") << false << true << false;
        QTest::newRow("delete, home") << true << false << false;
        QTest::newRow("cancel") << true << false << true;
    }

    void fileDialogProposesStorageFiles() {
        QFETCH(bool, mustExist);
        QFETCH(bool, vavivorFolder);
        QFETCH(bool, cancel);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        const QString folder = QDir(vavivorFolder ? home.filePath("Vavivor") : home.path()).path();
        QVERIFY(QDir().mkpath(folder));
        QFile existing(folder + "/old.zlr");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        QStringList shown;
        answerModals({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            shown << dialog->windowTitle() << QString::number(dialog->fileMode())
                  << dialog->defaultSuffix() << dialog->nameFilters()
                  << dialog->directory().absolutePath();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(mustExist ? "old.zlr" : "new");
            cancel ? dialog->reject() : static_cast<QDialog*>(dialog)->accept(); // as OK does
        }});
        const auto chosen = m_dialogs.chooseStorageFile("SELECT/CREATE A STORAGE FILE", mustExist);
        qputenv("HOME", savedHome);

        const auto mode = mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile;
        QCOMPARE(shown, QStringList({"SELECT/CREATE A STORAGE FILE", QString::number(mode), "zlr",
                                     "Storage (*.zlr)", folder}));
        QCOMPARE(QString::fromStdString(chosen.value_or("")),
                 cancel ? QString() : folder + (mustExist ? "/old.zlr" : "/new.zlr"));
    }

    // The picture dialogs start in the folder of the last picture saved, and a name typed
    // without an extension takes that of the kind chosen.
    void pictureDialogsRememberTheFolderAndFollowTheChosenKind() {
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        const QString pictures = home.filePath("pictures");
        QVERIFY(QDir().mkpath(pictures));

        QStringList shown;
        const auto save = [&](const QString& name, const QString& filter) {
            return [&shown, name, filter](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                shown << dialog->windowTitle() << dialog->nameFilters()
                      << dialog->directory().absolutePath();
                if (name.isEmpty()) {
                    dialog->reject();
                    return;
                }
                // Chosen from the list as a user does, with the arrow keys.
                auto* kinds = dialog->findChild<QComboBox*>("fileTypeCombo");
                for (int i = 0; i < kinds->count() && kinds->currentText() != filter; ++i) {
                    QTest::keyClick(kinds, Qt::Key_Down);
                }
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                static_cast<QDialog*>(dialog)->accept();
            };
        };
        const QString svg = QStringLiteral("SVG drawing (*.svg)");
        const QString png = QStringLiteral("PNG image (*.png)");
        answerModals({save(pictures + "/tree", svg), save("grid", png), save("", svg)});
        const auto tree = m_dialogs.chooseSvgFile("Export the Family Tree");
        const auto grid = m_dialogs.choosePictureFile("Export Picture");
        const auto cancelled = m_dialogs.choosePictureFile("Export Picture");
        qputenv("HOME", savedHome);

        QCOMPARE(QString::fromStdString(tree.value_or("")), pictures + "/tree.svg");
        QCOMPARE(QString::fromStdString(grid.value_or("")), pictures + "/grid.png");
        QVERIFY(!cancelled);
        QCOMPARE(shown, QStringList({"Export the Family Tree", svg, home.path(), "Export Picture",
                                     svg, png, pictures, "Export Picture", svg, png, pictures}));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::QtDialogsTest)
#include "qt_dialogs_test.moc"
