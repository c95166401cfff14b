#include "core/renderer.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "platform/picture_area.h"
#include "platform/program_folder.h"
#include "support/modal_answers.h"
#include "support/window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace vavivor {

namespace {

// The caption of a button.
QString buttonCaption(WindowRig& rig, const char* name) {
    return rig.find<QPushButton>(name)->text();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void startUpLeavesTheWindowReadyToBreed() {
        WindowRig rig;
        const ProgramState& s = rig.window.state();
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("VAVIVOR"));
        QCOMPARE(buttonCaption(rig, "cmdZELNalt"), QStringLiteral("ALTERNATIVE"));
        QCOMPARE(buttonCaption(rig, "cmdZELscreen"), QStringLiteral("FULL SCREEN"));
        QCOMPARE(buttonCaption(rig, "cmdZELMdraw"), QStringLiteral("DRAW MUTATIONS"));
        QCOMPARE(buttonCaption(rig, "cmdZELRdraw"), QStringLiteral("DRAW RELATIVES"));
        QCOMPARE(buttonCaption(rig, "cmdZELMrep"), QStringLiteral("REVIEW MUTATIONS"));
        for (const char* hidden :
             {"lblZel1", "ckbZel1", "Label2", "Label3", "cmdZELMrep", "pibZELMpicb"}) {
            QVERIFY2(!rig.shown(hidden), hidden);
        }
        QVERIFY(!rig.find<QCheckBox>("ckbZel1")->isChecked());
        QVERIFY(!rig.find<QAction>("mnuZELsave")->isEnabled());
        QVERIFY(rig.find<QAction>("mnuZELload")->isEnabled());
        QCOMPARE(s.screen.pics[0], rig.window.pictureArea(0));
        QCOMPARE(s.screen.pics[1], rig.window.pictureArea(1));
        // The main area shows the empty grid, the alternative one nothing at all.
        QCOMPARE(rig.items(0), std::size_t{8});
        QCOMPARE(rig.items(1), std::size_t{0});
        QCOMPARE(s.screen.storeListPath, s.screen.programFolder + "/str-data.txt");
        QCOMPARE(s.screen.helpFile, helpFilePath(s.screen.programFolder));

        const QStringList names{"Iteration depth ", "Main angle ",         "'Up' angle ",
                                "'Down' angle ",    "Basic length ratio ", "'Up' factor ",
                                "'Down' factor ",   "Aspect ratio "};
        const QStringList values{"7", "200", "10", "10", "0.6", "1", "1", "1.2"};
        for (int gene = 0; gene < kGeneCount; ++gene) {
            const QString i = QString::number(gene);
            QCOMPARE(rig.caption("Label1_" + i), QString::number(gene + 1));
            QCOMPARE(rig.caption("lblGR_" + i), QStringLiteral("5"));
            QCOMPARE(rig.caption("lblGene_" + i), names[gene]);
            QCOMPARE(rig.caption("lblGeneV_" + i), values[gene]);
        }
    }

    // The storage steps run last, when the editor is live and the storage list path is known.
    void storageStepsRunAtTheEndOfStartUp() {
        WindowRig rig({}, false);
        int calls = 0;
        bool editorReady = false;
        std::string listPath;
        rig.window.setStorageStartUp([&] {
            ++calls;
            editorReady = rig.window.state().genome.editorReady;
            listPath = rig.window.state().screen.storeListPath;
        });
        rig.window.setProgramFolder("/some/folder");
        rig.window.startUp();
        QCOMPARE(calls, 1);
        QVERIFY(editorReady);
        QCOMPARE(listPath, std::string("/some/folder/str-data.txt"));
    }

    void changeHandlerWaitsForStartUp() {
        WindowRig rig({}, false);
        rig.window.setGeneCaption(3, "9");
        QVERIFY(rig.caption("lblGeneV_3").isEmpty());
        rig.window.startUp();
        QCOMPARE(rig.caption("lblGeneV_3"), QStringLiteral("10"));
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
        QTest::newRow("udGene_7") << "udGene_7" << QRect(64, 288, 13, 33) << 0 << false;
        QTest::newRow("lblGene_3") << "lblGene_3" << QRect(104, 168, 129, 25) << 16 << false;
        QTest::newRow("lblGeneV_7") << "lblGeneV_7" << QRect(248, 296, 57, 17) << 16 << false;
        QTest::newRow("lblZel1") << "lblZel1" << QRect() << 13 << true;
        QTest::newRow("ckbZel1") << "ckbZel1" << QRect(184, 456, 25, 17) << 0 << false;
        QTest::newRow("cmdZELMrep") << "cmdZELMrep" << QRect(192, 592, 89, 33) << 0 << false;
        QTest::newRow("pibZELMpica") << "pibZELMpica" << QRect(333, 13, 656, 656) << 0 << false;
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
        const auto names = [&](const char* menu) {
            QStringList list;
            for (QAction* a : rig.find<QMenu>(menu)->actions()) {
                list << a->objectName() + " " + a->text();
            }
            return list;
        };
        QCOMPARE(names("mnuZELfile"),
                 QStringList({"mnuZELprint &Print", "mnuZELexport &Export Picture...",
                              "mnuZELsave &Save", "mnuZELload &Load/Delete",
                              "mnuZELchng &Change Storage file", "mnuZELdel &Delete Storage file",
                              "mnuZELclose &Close"}));
        QCOMPARE(names("mnuZ_help"), QStringList({"mnuZ_Hcont &Contents", "mnuZ_Hindx &Index",
                                                  "mnuZ_Hfnd Fi&nd", "mnuZ_Habout &About"}));
        QCOMPARE(rig.find<QMenu>("mnuZELfile")->title(), QStringLiteral("&File"));
        QCOMPARE(rig.find<QMenu>("mnuZ_help")->title(), QStringLiteral("&Help"));
    }

    // The arrows step within 1..9, stop at the ends and start from a caption that the
    // program wrote.
    void arrowsStepWithinTheLimits_data() {
        QTest::addColumn<int>("gene");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("steps"); // positive: up clicks, negative: down clicks
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("value");
        QTest::newRow("stops at 9") << 0 << "" << 6 << "9"
                                    << "11";
        QTest::newRow("stops at 1") << 2 << "" << -7 << "1"
                                    << "-70";
        QTest::newRow("from a written 8") << 7 << "8" << 2 << "9"
                                          << "2";
    }

    void arrowsStepWithinTheLimits() {
        QFETCH(int, gene);
        QFETCH(QString, written);
        QFETCH(int, steps);
        QFETCH(QString, position);
        QFETCH(QString, value);
        WindowRig rig;
        rig.window.show();
        const QString i = QString::number(gene);
        if (!written.isEmpty()) {
            rig.window.setGeneCaption(gene, written.toStdString());
        }
        auto* arrow =
            rig.find<QWidget>("udGene_" + i)->findChild<QToolButton*>(steps > 0 ? "up" : "down");
        QVERIFY(arrow);
        for (int n = 0; n < std::abs(steps); ++n) {
            QTest::mouseClick(arrow, Qt::LeftButton);
        }
        QCOMPARE(rig.caption("lblGR_" + i), position);
        QCOMPARE(rig.caption("lblGeneV_" + i), value);
        // The figure on screen stays as it was, and so do the breeding genes.
        QCOMPARE(rig.items(0), std::size_t{8});
        QCOMPARE(rig.window.state().genome.centralPos[gene], 0);
    }

    // Each area keeps its drawing and its own layout; the layout caption and the Auto-Print
    // controls follow the area in view. A layout switch there and back gives an empty grid.
    void switchesFollowTheAreaInView() {
        WindowRig rig;
        rig.window.pictureArea(0)->line(100, 100, 900, 900, kBlack);
        rig.press("cmdZELNalt");
        QCOMPARE(&rig.window.state().screen.surface(),
                 static_cast<DrawingSurface*>(rig.window.pictureArea(1)));
        QCOMPARE(buttonCaption(rig, "cmdZELNalt"), QStringLiteral("MAIN"));
        QVERIFY(!rig.shown("pibZELMpica"));
        QVERIFY(rig.shown("pibZELMpicb"));
        QCOMPARE(rig.items(1), std::size_t{0}); // shown for the first time: empty, no grid
        rig.press("cmdZELscreen");              // alternative area: full screen
        QCOMPARE(buttonCaption(rig, "cmdZELscreen"), QStringLiteral("GRID SCREEN"));
        QVERIFY(rig.shown("lblZel1"));
        QVERIFY(rig.shown("ckbZel1"));
        rig.press("cmdZELNalt"); // back to the main area, still the grid, drawing kept
        QCOMPARE(buttonCaption(rig, "cmdZELNalt"), QStringLiteral("ALTERNATIVE"));
        QCOMPARE(buttonCaption(rig, "cmdZELscreen"), QStringLiteral("FULL SCREEN"));
        QVERIFY(!rig.shown("ckbZel1"));
        QCOMPARE(rig.items(0), std::size_t{9});
        rig.press("cmdZELscreen");
        QCOMPARE(rig.items(0), std::size_t{0});
        rig.press("cmdZELscreen");
        QCOMPARE(rig.items(0), std::size_t{8});
        QCOMPARE(rig.window.state().screen.gridFlag[1], 1);
    }

    void aboutIsAFreshModalWindowEachTime() {
        WindowRig rig;
        rig.window.show();
        for (int showing = 0; showing < 2; ++showing) {
            QPointer<QWidget> about;
            QString title;
            QString version;
            QColor background;
            answerModals({[&](QWidget* modal) {
                about = modal;
                title = modal->windowTitle();
                QVERIFY(!modal->findChild<QLabel*>("Label1")->text().isEmpty());
                version = modal->findChild<QLabel*>("Label2")->text();
                background = modal->palette().color(QPalette::Window);
                modal->close();
            }});
            rig.find<QAction>("mnuZ_Habout")->trigger();
            QCOMPARE(title, QStringLiteral("About VAVIVOR"));
            QVERIFY(version.contains(QStringLiteral("1.01")));
            QCOMPARE(background, QColor(Qt::black));
            QVERIFY2(about.isNull(), "the About window outlives its showing");
        }
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
