#include "core/gene_editor.h"
#include "mainwindow/wiring.h"
#include "support/modal_answers.h"
#include "support/window_rig.h"

#include <QTemporaryDir>

namespace vavivor {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The editor's change handler waits for start-up; the storage steps run last, when the
    // editor is live and the storage list path is known.
    void startUpWakesTheEditorThenRunsTheStorageSteps() {
        WindowRig rig({}, false);
        bool editorReady = false;
        std::string listPath;
        rig.window.setStorageStartUp([&] {
            editorReady = rig.window.state().genome.editorReady;
            listPath = rig.window.state().screen.storeListPath;
        });
        rig.window.setProgramFolder("/some/folder");
        setEditorPosition(rig.window.state().genome, 3, 9);
        QVERIFY(rig.caption("lblGeneV_3").isEmpty());
        rig.window.startUp();
        QVERIFY(editorReady);
        QCOMPARE(listPath, std::string("/some/folder/str-data.txt"));
        setEditorPosition(rig.window.state().genome, 3, 9);
        QCOMPARE(rig.caption("lblGeneV_3"), QStringLiteral("90"));
    }

    // A message of start-up (here that the storage list is damaged) comes over the main
    // window once that is shown, not on an empty screen before it.
    void startUpMessagesComeOverTheShownWindow() {
        QTemporaryDir folder;
        QFile list(folder.filePath(QStringLiteral("str-data.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("damaged\n") > 0);
        list.close();
        QString over;
        answerModals({[&](QWidget* modal) {
            if (QWidget* parent = modal->parentWidget(); parent != nullptr && parent->isVisible()) {
                over = parent->objectName();
            }
            modal->close();
            QTimer::singleShot(0, [] {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (window->objectName() == QStringLiteral("frmZelMain")) {
                        window->close();
                    }
                }
            });
        }});
        QObject watchdog;
        QTimer::singleShot(15000, &watchdog, [] { QCoreApplication::exit(1); });
        QCOMPARE(runProgram(folder.path().toStdString()), 0);
        QCOMPARE(over, QStringLiteral("frmZelMain"));
    }

    // Each Help item opens its view. The help path is built at each call: in the program folder
    // once a help file lies there.
    void helpMenuItemsOpenTheirViewOnTheHelpFoundAtEachCall() {
        WindowRig rig;
        for (const char* item : {"mnuZ_Hcont", "mnuZ_Hindx", "mnuZ_Hfnd"}) {
            rig.trigger(item);
        }
        QCOMPARE(rig.platform.help.views,
                 (std::vector<HelpView>{HelpView::Contents, HelpView::Index, HelpView::Find}));
        QFile help(rig.folder.filePath("ZelHelp.qhc"));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        rig.trigger("mnuZ_Hcont");
        QCOMPARE(QString::fromStdString(rig.platform.help.paths[3]), help.fileName());
    }

    // The first-hour test drives a session through the wired program; File > Print it leaves out.
    void filePrintOfTheWiredProgramPrintsTheScreenInView() {
        WindowRig rig(wireProgram);
        rig.press("cmdZELMdraw");
        rig.trigger("mnuZELprint");
        QCOMPARE(rig.platform.printDialogs.setupTitles,
                 std::vector<std::string>{"VAVIVOR: GRAPHICS PRINT"});
        QCOMPARE(rig.platform.printer.documents, 1);
    }

    // File > Close closes the main window, as its close button does.
    void closeEndsTheProgramAndHidesEveryWindow() {
        WindowRig rig;
        rig.window.show();
        QWidget modeless; // a window of another subsystem, left open
        modeless.show();
        QTimer::singleShot(0, &rig.window, [&] { rig.trigger("mnuZELclose"); });
        // A watchdog, gone with the test.
        QTimer::singleShot(5000, &modeless, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(rig.window.isHidden());
        QVERIFY(modeless.isHidden());
        QVERIFY(rig.platform.dialogs.shown.empty());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::MainWindowTest)
#include "main_window_test.moc"
