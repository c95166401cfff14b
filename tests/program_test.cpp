#include "app/wiring.h"
#include "mainwindow/zel_main.h"
#include "platform/picture_area.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace vavivor {

namespace {

// The whole program, every subsystem wired, on scripted services and an empty program folder.
struct Program {
    Program() {
        wireProgram(window);
        window.setProgramFolder(folder.path().toStdString());
        window.startUp();
    }

    void click(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    std::size_t drawn(int area) { return window.pictureArea(area)->picture().items().size(); }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    ZelMain window{platform.services()};
};

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensTheDefaultStorageFileInTheProgramFolder() {
        Program program;
        const std::string& current = program.window.state().store.currentStore;
        QVERIFY2(QString::fromStdString(current).startsWith(program.folder.path()),
                 current.c_str());
        QCOMPARE(program.window.state().store.nextRecord, 1);
    }

    // Each area keeps what was drawn on it; the breeding screens draw on the area in view.
    void breedingScreensDrawOnTheAreaInView() {
        Program program;
        program.click("cmdZELMdraw");
        const std::size_t mutations = program.drawn(0);
        QVERIFY(mutations > 8);
        QVERIFY(program.item("mnuZELsave")->isEnabled());
        QVERIFY(!program.window.findChild<QPushButton*>("cmdZELMrep")->isHidden());

        program.click("cmdZELNalt");
        program.click("cmdZELRdraw");
        QVERIFY(program.drawn(1) > 0);
        QCOMPARE(program.drawn(0), mutations);
        QVERIFY(program.window.findChild<QPushButton*>("cmdZELMrep")->isHidden());

        program.click("cmdZELNalt");
        QCOMPARE(program.drawn(0), mutations);
        program.click("cmdZELscreen");
        program.click("cmdZELscreen");
        QCOMPARE(program.drawn(0), std::size_t{8});
    }

    void saveAsksForADescriptionAndWritesARecord() {
        Program program;
        program.click("cmdZELRdraw");
        program.platform.dialogs.texts.emplace_back("tree");
        program.item("mnuZELsave")->trigger();
        QCOMPARE(program.platform.dialogs.shown.back().kind, std::string("text"));
        QCOMPARE(program.window.state().store.nextRecord, 2);
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::ProgramTest)
#include "program_test.moc"
