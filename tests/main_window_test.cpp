#include "core/renderer.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "platform/picture_area.h"
#include "platform/program_folder.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

namespace vavivor {

namespace {

// The main window on scripted services, as the tests build it.
struct Rig {
    explicit Rig(bool started = true) {
        if (started) {
            window.startUp();
        }
    }

    template <typename T> T* find(const QString& name) {
        T* child = window.findChild<T*>(name);
        if (!child) {
            qFatal("no control %s", qPrintable(name));
        }
        return child;
    }
    QString caption(const QString& name) { return find<QLabel>(name)->text(); }
    QString buttonCaption(const char* name) { return find<QPushButton>(name)->text(); }
    bool shown(const QString& name) { return !find<QWidget>(name)->isHidden(); }

    ScriptedPlatform platform;
    ZelMain window{platform.services()};
};

// Runs `handle` on the next modal window once it is shown; the caller then starts whatever
// shows it. Gives up after two seconds so a missing window fails instead of hanging.
void onNextModal(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || ++*tries > 200) {
            timer->stop();
            timer->deleteLater();
            if (modal) {
                handle(modal);
            }
        }
    });
    timer->start(10);
}

std::size_t lineCount(const Picture& picture) {
    return picture.items().size();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void startUpLeavesTheWindowReadyToBreed() {
        Rig rig;
        const ProgramState& s = rig.window.state();
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("VAVIVOR"));
        QCOMPARE(rig.buttonCaption("cmdZELNalt"), QStringLiteral("ALTERNATIVE"));
        QCOMPARE(rig.buttonCaption("cmdZELscreen"), QStringLiteral("FULL SCREEN"));
        QCOMPARE(rig.buttonCaption("cmdZELMdraw"), QStringLiteral("DRAW MUTATIONS"));
        QCOMPARE(rig.buttonCaption("cmdZELRdraw"), QStringLiteral("DRAW RELATIVES"));
        QCOMPARE(rig.buttonCaption("cmdZELMrep"), QStringLiteral("REVIEW MUTATIONS"));
        for (const char* hidden : {"lblZel1", "ckbZel1", "Label2", "Label3", "cmdZELMrep"}) {
            QVERIFY2(!rig.shown(hidden), hidden);
        }
        QVERIFY(!rig.find<QCheckBox>("ckbZel1")->isChecked());
        QVERIFY(!rig.find<QAction>("mnuZELsave")->isEnabled());
        QVERIFY(rig.find<QAction>("mnuZELload")->isEnabled());

        QVERIFY(rig.shown("pibZELMpica"));
        QVERIFY(!rig.shown("pibZELMpicb"));
        QCOMPARE(s.screen.curPic, 0);
        QCOMPARE(s.screen.gridFlag[0], 0);
        QCOMPARE(s.screen.gridFlag[1], 0);
        QCOMPARE(s.screen.pics[0], rig.window.pictureArea(0));
        QCOMPARE(s.screen.pics[1], rig.window.pictureArea(1));
        // The main area shows the empty grid, the alternative one nothing at all.
        QCOMPARE(lineCount(rig.window.pictureArea(0)->picture()), std::size_t{8});
        QVERIFY(rig.window.pictureArea(1)->picture().empty());

        QVERIFY(s.genome.editorReady);
        QCOMPARE(s.breeding.autoPrint, 0);
        QCOMPARE(s.screen.cellSize, 200);
        QCOMPARE(s.print.printBottomY, 15176);
        QCOMPARE(s.screen.storeListPath, s.screen.programFolder + "/str-data.txt");
        QCOMPARE(s.screen.helpFile, helpFilePath(s.screen.programFolder));
    }

    void startUpFillsTheGeneEditor_data() {
        QTest::addColumn<int>("gene");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("1") << 0 << "Iteration depth "
                           << "7";
        QTest::newRow("2") << 1 << "Main angle "
                           << "200";
        QTest::newRow("3") << 2 << "'Up' angle "
                           << "10";
        QTest::newRow("4") << 3 << "'Down' angle "
                           << "10";
        QTest::newRow("5") << 4 << "Basic length ratio "
                           << "0.6";
        QTest::newRow("6") << 5 << "'Up' factor "
                           << "1";
        QTest::newRow("7") << 6 << "'Down' factor "
                           << "1";
        QTest::newRow("8") << 7 << "Aspect ratio "
                           << "1.2";
    }

    void startUpFillsTheGeneEditor() {
        QFETCH(int, gene);
        QFETCH(QString, name);
        QFETCH(QString, value);
        Rig rig;
        const QString i = QString::number(gene);
        QCOMPARE(rig.caption("Label1_" + i), QString::number(gene + 1));
        QCOMPARE(rig.caption("lblGR_" + i), QStringLiteral("5"));
        QCOMPARE(rig.caption("lblGene_" + i), name);
        QCOMPARE(rig.caption("lblGeneV_" + i), value);
        QCOMPARE(rig.window.geneCaption(gene), std::string("5"));
    }

    // The storage steps run last, when the editor is live and the storage list path is known.
    void storageStepsRunAtTheEndOfStartUp() {
        Rig rig(false);
        int calls = 0;
        bool editorReady = false;
        bool saveEnabled = true;
        std::string listPath;
        rig.window.setStorageStartUp([&] {
            ++calls;
            editorReady = rig.window.state().genome.editorReady;
            saveEnabled = rig.window.findChild<QAction*>("mnuZELsave")->isEnabled();
            listPath = rig.window.state().screen.storeListPath;
        });
        rig.window.setProgramFolder("/some/folder");
        rig.window.startUp();
        QCOMPARE(calls, 1);
        QVERIFY(editorReady);
        QVERIFY(!saveEnabled);
        QCOMPARE(listPath, std::string("/some/folder/str-data.txt"));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("lblZELM1") << "lblZELM1" << QRect(24, 8, 265, 17);
        QTest::newRow("Label1_0") << "Label1_0" << QRect(8, 72, 25, 17);
        QTest::newRow("lblGR_0") << "lblGR_0" << QRect(32, 64, 31, 33);
        QTest::newRow("lblGR_7") << "lblGR_7" << QRect(32, 288, 31, 33);
        QTest::newRow("udGene_7") << "udGene_7" << QRect(64, 288, 13, 33);
        QTest::newRow("lblGene_3") << "lblGene_3" << QRect(104, 168, 129, 25);
        QTest::newRow("lblGeneV_7") << "lblGeneV_7" << QRect(248, 296, 57, 17);
        QTest::newRow("Label3") << "Label3" << QRect(160, 360, 97, 25);
        QTest::newRow("ckbZel1") << "ckbZel1" << QRect(184, 456, 25, 17);
        QTest::newRow("cmdZELscreen") << "cmdZELscreen" << QRect(40, 496, 89, 33);
        QTest::newRow("cmdZELMrep") << "cmdZELMrep" << QRect(192, 592, 89, 33);
        QTest::newRow("pibZELMpica") << "pibZELMpica" << QRect(333, 13, 656, 656);
        QTest::newRow("pibZELMpicb") << "pibZELMpicb" << QRect(333, 13, 656, 656);
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        Rig rig;
        QCOMPARE(rig.find<QWidget>(name)->geometry(), place);
    }

    void windowFitsItsControlsAndStatusBar() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        QWidget* area = rig.window.pictureArea(0);
        const QRect inWindow(area->mapTo(&rig.window, QPoint(0, 0)), area->size());
        QVERIFY(rig.window.rect().contains(inWindow));
        QVERIFY(inWindow.bottom() < rig.window.statusBar()->geometry().top());
        QVERIFY(inWindow.top() > rig.window.menuWidget()->geometry().bottom());
        rig.window.showStatus("Record 3 saved");
        QCOMPARE(rig.window.statusBar()->currentMessage(), QStringLiteral("Record 3 saved"));
        // A long note does not widen the window.
        const QSize size = rig.window.size();
        rig.window.showStatus(std::string(400, 'x'));
        QTest::qWait(50);
        QCOMPARE(rig.window.size(), size);
    }

    void captionsUseTheSubstituteFace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::newRow("position box") << "lblGR_0" << 18 << false;
        QTest::newRow("gene name") << "lblGene_0" << 16 << false;
        QTest::newRow("gene value") << "lblGeneV_0" << 16 << false;
        QTest::newRow("title") << "lblZELM1" << 16 << true;
        QTest::newRow("gene number") << "Label1_0" << 13 << true;
        QTest::newRow("Auto-Print") << "lblZel1" << 13 << true;
    }

    void captionsUseTheSubstituteFace() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        Rig rig;
        const QFont font = rig.find<QLabel>(name)->font();
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }

    void menusCarryTheirItemsInOrder() {
        Rig rig;
        const auto names = [&](const char* menu) {
            QStringList list;
            for (QAction* a : rig.find<QMenu>(menu)->actions()) {
                list << a->objectName() + " " + a->text();
            }
            return list;
        };
        QCOMPARE(names("mnuZELfile"),
                 QStringList({"mnuZELprint &Print", "mnuZELsave &Save", "mnuZELload &Load/Delete",
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
        QTest::newRow("up to 9") << 0 << "" << 4 << "9"
                                 << "11";
        QTest::newRow("stops at 9") << 0 << "" << 6 << "9"
                                    << "11";
        QTest::newRow("down to 1") << 2 << "" << -4 << "1"
                                   << "-70";
        QTest::newRow("stops at 1") << 2 << "" << -7 << "1"
                                    << "-70";
        QTest::newRow("from a written 8") << 7 << "8" << 1 << "9"
                                          << "2";
        QTest::newRow("written 9 stays") << 7 << "9" << 2 << "9"
                                         << "2";
        QTest::newRow("from a written 2") << 4 << "2" << -1 << "1"
                                          << "0.2";
        QTest::newRow("written 1 stays") << 4 << "1" << -3 << "1"
                                         << "0.2";
        QTest::newRow("written 3 up") << 1 << "3" << 1 << "4"
                                      << "160";
    }

    void arrowsStepWithinTheLimits() {
        QFETCH(int, gene);
        QFETCH(QString, written);
        QFETCH(int, steps);
        QFETCH(QString, position);
        QFETCH(QString, value);
        Rig rig;
        rig.window.show();
        const QString i = QString::number(gene);
        if (!written.isEmpty()) {
            rig.window.setGeneCaption(gene, written.toStdString());
        }
        auto* arrows = rig.find<QWidget>("udGene_" + i);
        auto* arrow = arrows->findChild<QToolButton*>(steps > 0 ? "up" : "down");
        QVERIFY(arrow);
        for (int n = 0; n < std::abs(steps); ++n) {
            QTest::mouseClick(arrow, Qt::LeftButton);
        }
        QCOMPARE(rig.caption("lblGR_" + i), position);
        QCOMPARE(rig.caption("lblGeneV_" + i), value);
        // The figure on screen stays as it was, and so do the breeding genes.
        QCOMPARE(lineCount(rig.window.pictureArea(0)->picture()), std::size_t{8});
        QCOMPARE(rig.window.state().genome.centralPos[gene], 0);
    }

    void changeHandlerWaitsForStartUp() {
        Rig rig(false);
        rig.window.setGeneCaption(3, "9");
        QVERIFY(rig.caption("lblGeneV_3").isEmpty());
        rig.window.startUp();
        QCOMPARE(rig.caption("lblGeneV_3"), QStringLiteral("10"));
        rig.window.setGeneCaption(3, "9");
        QCOMPARE(rig.caption("lblGeneV_3"), QStringLiteral("90"));
        rig.window.setGeneCaption(4, "1");
        QCOMPARE(rig.caption("lblGeneV_4"), QStringLiteral("0.2"));
    }

    void layoutSwitchTwiceGivesAnEmptyGrid() {
        Rig rig;
        PictureArea* main = rig.window.pictureArea(0);
        main->line(100, 100, 900, 900, kBlack);
        QTest::mouseClick(rig.find<QPushButton>("cmdZELscreen"), Qt::LeftButton);
        QCOMPARE(rig.window.state().screen.gridFlag[0], 1);
        QCOMPARE(rig.buttonCaption("cmdZELscreen"), QStringLiteral("GRID SCREEN"));
        QVERIFY(main->picture().empty());
        QVERIFY(rig.shown("lblZel1"));
        QVERIFY(rig.shown("ckbZel1"));

        QTest::mouseClick(rig.find<QPushButton>("cmdZELscreen"), Qt::LeftButton);
        QCOMPARE(rig.window.state().screen.gridFlag[0], 0);
        QCOMPARE(rig.buttonCaption("cmdZELscreen"), QStringLiteral("FULL SCREEN"));
        QCOMPARE(lineCount(main->picture()), std::size_t{8});
        QVERIFY(!rig.shown("lblZel1"));
        QVERIFY(!rig.shown("ckbZel1"));
    }

    void areaSwitchTwiceBringsTheMainAreaBackUnchanged() {
        Rig rig;
        PictureArea* main = rig.window.pictureArea(0);
        PictureArea* alternative = rig.window.pictureArea(1);
        main->line(100, 100, 900, 900, kBlack);
        const std::size_t drawn = lineCount(main->picture());

        QTest::mouseClick(rig.find<QPushButton>("cmdZELNalt"), Qt::LeftButton);
        QCOMPARE(rig.window.state().screen.curPic, 1);
        QCOMPARE(&rig.window.state().screen.surface(), static_cast<DrawingSurface*>(alternative));
        QCOMPARE(rig.buttonCaption("cmdZELNalt"), QStringLiteral("MAIN"));
        QVERIFY(!rig.shown("pibZELMpica"));
        QVERIFY(rig.shown("pibZELMpicb"));
        // Shown for the first time: empty, without grid lines, though in the grid layout.
        QVERIFY(alternative->picture().empty());
        QCOMPARE(rig.window.state().screen.gridFlag[1], 0);

        QTest::mouseClick(rig.find<QPushButton>("cmdZELNalt"), Qt::LeftButton);
        QCOMPARE(rig.window.state().screen.curPic, 0);
        QCOMPARE(rig.buttonCaption("cmdZELNalt"), QStringLiteral("ALTERNATIVE"));
        QVERIFY(rig.shown("pibZELMpica"));
        QVERIFY(!rig.shown("pibZELMpicb"));
        QCOMPARE(lineCount(main->picture()), drawn);
    }

    // Each area keeps its own layout; the layout caption and the Auto-Print controls follow
    // the area in view.
    void switchesFollowTheAreaInView() {
        Rig rig;
        auto* layout = rig.find<QPushButton>("cmdZELscreen");
        auto* area = rig.find<QPushButton>("cmdZELNalt");
        QTest::mouseClick(layout, Qt::LeftButton); // main area: full screen
        QTest::mouseClick(area, Qt::LeftButton);   // alternative area: still the grid
        QCOMPARE(layout->text(), QStringLiteral("FULL SCREEN"));
        QVERIFY(!rig.shown("ckbZel1"));
        QTest::mouseClick(layout, Qt::LeftButton); // alternative area: full screen
        QCOMPARE(rig.window.state().screen.gridFlag[1], 1);
        QCOMPARE(rig.window.state().screen.gridFlag[0], 1);
        QTest::mouseClick(layout, Qt::LeftButton); // alternative area: grid again
        QCOMPARE(lineCount(rig.window.pictureArea(1)->picture()), std::size_t{8});
        QVERIFY(rig.window.pictureArea(0)->picture().empty());
        QTest::mouseClick(area, Qt::LeftButton); // back to the main area, full screen
        QCOMPARE(layout->text(), QStringLiteral("GRID SCREEN"));
        QVERIFY(rig.shown("lblZel1"));
        QVERIFY(rig.shown("ckbZel1"));
    }

    void aboutIsAFreshModalWindowEachTime() {
        Rig rig;
        rig.window.show();
        for (int showing = 0; showing < 2; ++showing) {
            QPointer<QWidget> about;
            QString title;
            QString description;
            QString version;
            QColor background;
            onNextModal([&](QWidget* modal) {
                about = modal;
                title = modal->windowTitle();
                description = modal->findChild<QLabel*>("Label1")->text();
                version = modal->findChild<QLabel*>("Label2")->text();
                background = modal->palette().color(QPalette::Window);
                modal->close();
            });
            rig.find<QAction>("mnuZ_Habout")->trigger();
            QCOMPARE(title, QStringLiteral("About VAVIVOR"));
            QVERIFY(!description.isEmpty());
            QVERIFY(version.contains(QStringLiteral("1.01")));
            QCOMPARE(background, QColor(Qt::black));
            QVERIFY2(about.isNull(), "the About window outlives its showing");
        }
    }

    void helpItemsOpenTheirView_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("view");
        QTest::newRow("Contents") << "mnuZ_Hcont" << static_cast<int>(HelpView::Contents);
        QTest::newRow("Index") << "mnuZ_Hindx" << static_cast<int>(HelpView::Index);
        QTest::newRow("Find") << "mnuZ_Hfnd" << static_cast<int>(HelpView::Find);
    }

    // Started from another working directory, the help is still found beside the program.
    void helpItemsOpenTheirView() {
        QFETCH(QString, item);
        QFETCH(int, view);
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        Rig rig;
        rig.find<QAction>(item)->trigger();
        QDir::setCurrent(before);

        const QString expected =
            QCoreApplication::applicationDirPath() + QStringLiteral("/ZelHelp.qhc");
        QCOMPARE(rig.platform.help.views.size(), std::size_t{1});
        QCOMPARE(static_cast<int>(rig.platform.help.views[0]), view);
        QCOMPARE(QString::fromStdString(rig.platform.help.paths[0]), expected);
        QVERIFY(QFileInfo::exists(expected));
    }

    // The help path is built anew at each call from the program folder.
    void helpPathIsBuiltAtEachCall() {
        QTemporaryDir folder;
        Rig rig(false);
        rig.window.setProgramFolder(folder.path().toStdString());
        rig.window.startUp();
        auto* contents = rig.find<QAction>("mnuZ_Hcont");
        contents->trigger();
        QFile help(folder.filePath(QStringLiteral("ZelHelp.qhc")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        contents->trigger();
        QCOMPARE(rig.platform.help.paths.size(), std::size_t{2});
        QVERIFY(QString::fromStdString(rig.platform.help.paths[0]) != help.fileName());
        QCOMPARE(QString::fromStdString(rig.platform.help.paths[1]), help.fileName());
    }

    void closeEndsTheProgramAndHidesEveryWindow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("File > Close") << true;
        QTest::newRow("closing the window") << false;
    }

    void closeEndsTheProgramAndHidesEveryWindow() {
        QFETCH(bool, fromMenu);
        Rig rig;
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
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(rig.window.isHidden());
        QVERIFY(modeless.isHidden());
        QVERIFY(rig.platform.dialogs.shown.empty());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::MainWindowTest)
#include "main_window_test.moc"
