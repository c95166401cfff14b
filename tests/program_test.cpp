#include "app/wiring.h"
#include "support/window_rig.h"

#include <QListWidget>

namespace vavivor {

// The whole program, every subsystem wired, on scripted services and an empty program folder.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void everySubsystemIsWired() {
        WindowRig rig(wireProgram);
        const std::string& current = rig.window.state().store.currentStore;
        QVERIFY2(QString::fromStdString(current).startsWith(rig.folder.path()), current.c_str());

        // The breeding screens draw on the area in view; each area keeps its drawing.
        rig.press("cmdZELMdraw");
        const std::size_t mutations = rig.items(0);
        QVERIFY(mutations > 8);
        rig.press("cmdZELNalt");
        rig.press("cmdZELRdraw");
        QVERIFY(rig.items(1) > 0);
        rig.press("cmdZELNalt");
        QCOMPARE(rig.items(0), mutations);

        rig.platform.dialogs.texts.emplace_back("tree");
        rig.trigger("mnuZELsave");
        QCOMPARE(rig.window.state().store.nextRecord, 2);
        rig.trigger("mnuZELprint");
        QCOMPARE(rig.platform.printer.documents, 1);
        // The catalogue's Print Catalogue shows the storage-file selection, filled from the list;
        // ALL prints the catalogue of every listed file at once.
        rig.trigger("mnuZELload");
        rig.trigger("mnuCatPrint");
        auto* selection = rig.find("frmZelStrSel");
        QVERIFY(selection->isVisible());
        QCOMPARE(rig.find<QListWidget>("lstZel", selection)->count(), 1);
        QTest::mouseClick(rig.find<QPushButton>("cmdZelAll", selection), Qt::LeftButton);
        QCOMPARE(rig.platform.printer.documents, 2);
        QCOMPARE(rig.platform.printDialogs.setupTitles.size(), std::size_t{1});
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::ProgramTest)
#include "program_test.moc"
