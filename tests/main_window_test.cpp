#include "app/wiring.h"
#include "platform/fonts.h"
#include "support/modal_answers.h"
#include "support/window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <tuple>

namespace vavivor {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    // The editor's change handler waits for start-up; the storage steps run last, when the
    // editor is live and the storage list path is known. Then the window is ready to breed.
    void startUpWakesTheEditorRunsTheStorageStepsAndIsReady() {
        WindowRig rig({}, false);
        bool editorReady = false;
        std::string listPath;
        rig.window.setStorageStartUp([&] {
            editorReady = rig.window.state().genome.editorReady;
            listPath = rig.window.state().screen.storeListPath;
        });
        rig.window.setProgramFolder("/some/folder");
        rig.window.setGeneCaption(3, "9");
        QVERIFY(rig.caption("lblGeneV_3").isEmpty());
        rig.window.startUp();
        QVERIFY(editorReady);
        QCOMPARE(listPath, std::string("/some/folder/str-data.txt"));

        for (const char* hidden :
             {"lblZel1", "ckbZel1", "Label2", "Label3", "cmdZELMrep", "pibZELMpicb"}) {
            QVERIFY2(!rig.shown(hidden), hidden);
        }
        QVERIFY(!rig.find<QCheckBox>("ckbZel1")->isChecked());
        const QStringList names{"Iteration depth ", "Main angle ",         "'Up' angle ",
                                "'Down' angle ",    "Basic length ratio ", "'Up' factor ",
                                "'Down' factor ",   "Aspect ratio "};
        const QStringList values{"7", "200", "10", "10", "0.6", "1", "1", "1.2"};
        for (int gene = 0; gene < kGeneCount; ++gene) {
            QCOMPARE(rig.caption("lblGene_" + QString::number(gene)), names[gene]);
            QCOMPARE(rig.caption("lblGeneV_" + QString::number(gene)), values[gene]);
        }
        rig.window.setGeneCaption(3, "9");
        QCOMPARE(rig.caption("lblGeneV_3"), QStringLiteral("90"));
    }

    // The controls that matter: their place, and for captions the substitute face's size.
    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("pixels"); // 0: no caption
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblZELM1") << "lblZELM1" << QRect(24, 8, 265, 17) << 16 << true;
        QTest::newRow("lblGR_7") << "lblGR_7" << QRect(32, 288, 31, 33) << 18 << false;
        QTest::newRow("lblGeneV_7") << "lblGeneV_7" << QRect(248, 296, 57, 17) << 16 << false;
        QTest::newRow("lblZel1") << "lblZel1" << QRect() << 13 << true;
        QTest::newRow("ckbZel1") << "ckbZel1" << QRect(184, 456, 25, 17) << 0 << false;
        QTest::newRow("pibZELMpicb") << "pibZELMpicb" << QRect(333, 13, 656, 656) << 0 << false;
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        WindowRig rig;
        QWidget* control = rig.find<QWidget>(name);
        if (!place.isNull()) {
            QCOMPARE(control->geometry(), place);
        }
        if (pixels > 0) {
            QCOMPARE(control->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(control->font().pixelSize(), pixels);
            QCOMPARE(control->font().bold(), bold);
            QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Liberation Sans"));
        }
    }

    void menusCarryTheirItemsInOrder() {
        WindowRig rig;
        // Each item as its name and text; a menu's own item on the menu bar has no name.
        const auto names = [&](const QWidget* menu) {
            QStringList list;
            for (const QAction* a : menu->actions()) {
                list << (a->objectName() + " " + a->text()).trimmed();
            }
            return list;
        };
        QCOMPARE(names(rig.window.menuBar()), QStringList({"&File", "&Go", "&Help"}));
        QCOMPARE(names(rig.find<QMenu>("mnuZELfile")),
                 QStringList({"mnuZELprint &Print", "mnuZELexport &Export Picture...",
                              "mnuZELsave &Save", "mnuZELload &Load/Delete",
                              "mnuZELchng &Change Storage file", "mnuZELdel &Delete Storage file",
                              "mnuZELclose &Close"}));
    }

    // The arrows stop at 9 and 1, and leave the figure on screen and the breeding genes alone.
    void arrowsStepWithinTheLimits() {
        WindowRig rig;
        rig.window.show();
        for (const auto& [gene, arrow, position, value] :
             {std::tuple{0, "up", "9", "11"}, {2, "down", "1", "-70"}}) {
            const QString i = QString::number(gene);
            auto* button = rig.find<QToolButton>(arrow, rig.find("udGene_" + i));
            for (int n = 0; n < 5; ++n) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QCOMPARE(rig.caption("lblGR_" + i), QLatin1String(position));
            QCOMPARE(rig.caption("lblGeneV_" + i), QLatin1String(value));
        }
        QCOMPARE(rig.items(0), std::size_t{8});
        QCOMPARE(rig.window.state().genome.centralPos, GeneSet{});
    }

    // Each area keeps its drawing and its own layout. The alternative area starts empty, without
    // a grid; a layout switch there and back gives an empty grid.
    void eachAreaKeepsItsDrawingAndLayout() {
        WindowRig rig;
        rig.window.pictureArea(0)->line(100, 100, 900, 900, kBlack);
        rig.press("cmdZELNalt");
        QCOMPARE(&rig.window.state().screen.surface(),
                 static_cast<DrawingSurface*>(rig.window.pictureArea(1)));
        QCOMPARE(rig.items(1), std::size_t{0});
        rig.press("cmdZELscreen");
        rig.press("cmdZELNalt");
        QCOMPARE(rig.items(0), std::size_t{9});
        rig.press("cmdZELscreen");
        QCOMPARE(rig.items(0), std::size_t{0});
        rig.press("cmdZELscreen");
        QCOMPARE(rig.items(0), std::size_t{8});
        QCOMPARE(rig.window.state().screen.gridFlag[1], 1);
    }

    // About: a modal window of its own, gone once closed.
    void aboutShowsTheVersionAndIsGoneOnceClosed() {
        WindowRig rig;
        rig.window.show();
        QPointer<QWidget> about;
        QString version;
        answerModals({[&](QWidget* modal) {
            about = modal;
            version = modal->findChild<QLabel*>("Label2")->text();
            modal->close();
        }});
        rig.trigger("mnuZ_Habout");
        QVERIFY(version.contains(QStringLiteral("1.01")));
        QVERIFY2(about.isNull(), "the About window outlives its showing");
    }

    // Each Help item opens its view. The help path is built at each call: beside the program
    // (whatever the working directory), or in the program folder once a help file lies there.
    void helpItemsOpenTheirViewOnTheHelpFoundAtEachCall() {
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        WindowRig rig;
        for (const char* item : {"mnuZ_Hcont", "mnuZ_Hindx", "mnuZ_Hfnd"}) {
            rig.trigger(item);
        }
        QDir::setCurrent(before);
        QCOMPARE(rig.platform.help.views,
                 (std::vector<HelpView>{HelpView::Contents, HelpView::Index, HelpView::Find}));
        const QString beside = QCoreApplication::applicationDirPath() + "/ZelHelp.qhc";
        QVERIFY(QFileInfo::exists(beside));
        QCOMPARE(QString::fromStdString(rig.platform.help.paths[0]), beside);
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

    void closeEndsTheProgramAndHidesEveryWindow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("File > Close") << true;
        QTest::newRow("closing the window") << false;
    }

    void closeEndsTheProgramAndHidesEveryWindow() {
        QFETCH(bool, fromMenu);
        WindowRig rig;
        rig.window.show();
        QWidget modeless; // a window of another subsystem, left open
        modeless.show();
        QTimer::singleShot(0, &rig.window, [&] {
            if (fromMenu) {
                rig.find<QAction>("mnuZELclose")->trigger();
            } else {
                rig.window.close();
            }
        });
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
