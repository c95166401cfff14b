#include "platform/qt_dialogs.h"
#include "support/modal_answers.h"

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
        QTest::addColumn<int>("button"); // 0: the message box's OK
        QTest::addColumn<bool>("answer");
        QTest::newRow("message") << 0 << false;
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }

    void messageAndYesNoShowTheirTextsAndButtons() {
        QFETCH(int, button);
        QFETCH(bool, answer);
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        bool defaultIsNo = false;
        answerModals({[&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            box->button(button == 0 ? QMessageBox::Ok
                                    : static_cast<QMessageBox::StandardButton>(button))
                ->click();
        }});
        if (button == 0) {
            m_dialogs.message("You must SELECT an item first.", "LIST RECORD");
            QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        } else {
            QCOMPARE(m_dialogs.askYesNo("You must SELECT an item first.", "LIST RECORD"), answer);
            QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
            QVERIFY(defaultIsNo);
        }
        QCOMPARE(title, QStringLiteral("LIST RECORD"));
        QCOMPARE(text, QStringLiteral("You must SELECT an item first."));
    }

    void inputBoxReturnsTheTextOrNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("text") << "Spiral tree" << true;
        QTest::newRow("cancel") << "ignored" << false;
    }

    void inputBoxReturnsTheTextOrNothing() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QString label;
        QString title;
        QString preset = QStringLiteral("unset");
        answerModals({[&](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            label = dialog->labelText();
            title = dialog->windowTitle();
            preset = dialog->textValue();
            dialog->setTextValue(typed);
            ok ? dialog->accept() : dialog->reject();
        }});
        const auto answer = m_dialogs.askText("Please enter a description\n(Not longer than 20 "
                                              "characters).",
                                              "STORE: /HOME/U/X.ZLR");
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
        answerModals({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            title = dialog->windowTitle();
            mode = dialog->fileMode();
            suffix = dialog->defaultSuffix();
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            // A name typed without its extension.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(mustExist ? "old.zlr" : "new");
            cancel ? dialog->reject() : static_cast<QDialog*>(dialog)->accept(); // as OK does
        }});
        const auto chosen = m_dialogs.chooseStorageFile("SELECT/CREATE A STORAGE FILE", mustExist);
        qputenv("HOME", savedHome);

        QCOMPARE(title, QStringLiteral("SELECT/CREATE A STORAGE FILE"));
        QCOMPARE(mode, mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        QCOMPARE(suffix, QStringLiteral("zlr"));
        QCOMPARE(filters.size(), 1);
        QVERIFY(filters.front().contains("*.zlr"));
        QCOMPARE(directory, QDir(folder).absolutePath());
        QCOMPARE(chosen.has_value(), !cancel);
        if (!cancel) {
            QCOMPARE(QString::fromStdString(*chosen),
                     QDir(folder).absoluteFilePath(mustExist ? "old.zlr" : "new.zlr"));
        }
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::QtDialogsTest)
#include "qt_dialogs_test.moc"
