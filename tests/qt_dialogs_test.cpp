#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vavivor {

// The program's dialogs on Qt: the test answers each one as a user would, from inside its
// event loop.
class QtDialogsTest : public QObject {
    Q_OBJECT

private:
    // Runs `answer` on the modal dialog once it is open.
    template <typename Dialog> void whenShown(std::function<void(Dialog&)> answer) {
        QTimer::singleShot(0, this, [this, answer] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                whenShown<Dialog>(answer); // not open yet
                return;
            }
            answer(*dialog);
        });
    }

    QtDialogs m_dialogs;

private slots:
    void messageHasTheTitleTheTextAndOkOnly() {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            buttons = box.standardButtons();
            box.button(QMessageBox::Ok)->click();
        });
        m_dialogs.message("You must SELECT an item first.", "LIST RECORD");
        QCOMPARE(title, QStringLiteral("LIST RECORD"));
        QCOMPARE(text, QStringLiteral("You must SELECT an item first."));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void yesNoAnswersAndDefaultsToNo_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }

    void yesNoAnswersAndDefaultsToNo() {
        QFETCH(int, button);
        QFETCH(bool, answer);
        QMessageBox::StandardButtons buttons;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* noButton = nullptr;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            buttons = box.standardButtons();
            defaultButton = box.defaultButton();
            noButton = box.button(QMessageBox::No);
            box.button(static_cast<QMessageBox::StandardButton>(button))->click();
        });
        QCOMPARE(m_dialogs.askYesNo("Are you sure?", "DELETING A STORAGE FILE"), answer);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(defaultButton, noButton);
    }

    void inputBoxReturnsTheTextOrNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("text") << "Spiral tree" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("cancel") << "ignored" << false;
    }

    void inputBoxReturnsTheTextOrNothing() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QString label;
        QString title;
        QString preset = QStringLiteral("unset");
        whenShown<QInputDialog>([&](QInputDialog& dialog) {
            label = dialog.labelText();
            title = dialog.windowTitle();
            preset = dialog.textValue();
            dialog.setTextValue(typed);
            ok ? dialog.accept() : dialog.reject();
        });
        const auto answer = m_dialogs.askText(
            "Please enter a description\n(Not longer than 20 characters).", "STORE: /HOME/U/X.ZLR");
        QCOMPARE(label,
                 QStringLiteral("Please enter a description\n(Not longer than 20 characters)."));
        QCOMPARE(title, QStringLiteral("STORE: /HOME/U/X.ZLR"));
        QVERIFY(preset.isEmpty());
        QCOMPARE(answer.has_value(), ok);
        if (ok) {
            QCOMPARE(QString::fromStdString(*answer), typed);
        }
    }

    void fileDialogProposesStorageFiles_data() {
        QTest::addColumn<bool>("mustExist");
        QTest::addColumn<bool>("vavivorFolder");
        QTest::newRow("change, ~/Vavivor") << false << true;
        QTest::newRow("delete, home") << true << false;
    }

    void fileDialogProposesStorageFiles() {
        QFETCH(bool, mustExist);
        QFETCH(bool, vavivorFolder);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        if (vavivorFolder) {
            QDir(home.path()).mkdir("Vavivor");
        }
        const QString folder = vavivorFolder ? home.filePath("Vavivor") : home.path();
        QFile existing(folder + "/old.zlr");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        QString title;
        QFileDialog::FileMode mode{};
        QString suffix;
        QStringList filters;
        QString directory;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            mode = dialog.fileMode();
            suffix = dialog.defaultSuffix();
            filters = dialog.nameFilters();
            directory = dialog.directory().absolutePath();
            // A name typed without its extension.
            dialog.selectFile(mustExist ? QStringLiteral("old.zlr") : QStringLiteral("new"));
            static_cast<QDialog&>(dialog).accept(); // as OK does
        });
        const auto chosen = m_dialogs.chooseStorageFile("SELECT/CREATE A STORAGE FILE", mustExist);
        qputenv("HOME", savedHome);

        QCOMPARE(title, QStringLiteral("SELECT/CREATE A STORAGE FILE"));
        QCOMPARE(mode, mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        QCOMPARE(suffix, QStringLiteral("zlr"));
        QCOMPARE(filters.size(), 1);
        QVERIFY(filters.front().contains("*.zlr"));
        QCOMPARE(directory, QDir(folder).absolutePath());
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen),
                 QDir(folder).absoluteFilePath(mustExist ? "old.zlr" : "new.zlr"));
    }

    void cancellingTheFileDialogChoosesNothing() {
        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QVERIFY(!m_dialogs.chooseStorageFile("DELETE A STORAGE FILE", true).has_value());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::QtDialogsTest)
#include "qt_dialogs_test.moc"
