#include "breeding/ui/closer_look_window.h"
#include "breeding/ui/earlier_runs_window.h"
#include "breeding/ui/family_tree_window.h"
#include "core/gene_text.h"
#include "mainwindow/breeding_wiring.h"
#include "mainwindow/history_wiring.h"
#include "mainwindow/replay_wiring.h"
#include "mainwindow/runs_wiring.h"
#include "mainwindow/screen_modes.h"
#include "mainwindow/share_wiring.h"
#include "support/user_input.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QListWidget>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <memory>

namespace vavivor {

namespace {

// The main window with the breeding screens and the history wired, shown.
struct BreedingRig : WindowRig {
    BreedingRig()
        : WindowRig([](MainWindow& window) {
              connectBreeding(window);
              connectHistory(window);
              connectReplay(window);
              connectSharing(window);
          }) {
        window.show();
    }

    int current() { return window.state().history.current(); }
    // The centre of cell (column, row from the bottom) of picture area `index`.
    QPoint cellCentre(int index, int column, int row) {
        PictureArea* area = window.pictureArea(index);
        return {(200 * column + 100) * area->width() / 1000,
                (900 - 200 * row) * area->height() / 1000};
    }
    void clickCell(int index, int column, int row, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = {}) {
        userClick(window.pictureArea(index), button, modifiers, cellCentre(index, column, row));
    }
};

} // namespace

// Triggers a menu item as a person can: only when it is enabled.
void userTrigger(QAction* item) {
    QVERIFY2(item->isEnabled(), qPrintable(item->objectName() + " is disabled"));
    item->trigger();
}

// The breeding screens, the pick and the history (the Go menu, the mouse's back and forward
// buttons, the family tree) wired to the real main window. The logic itself is tested on the
// logic rig, a whole breeding session in the first-hour test.
class BreedingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theMouseAndTheReviewButtonReachTheLogic() {
        BreedingRig rig;
        rig.platform.random.queueDraws(3);
        rig.press("cmdZELMdraw");
        const MutantTable table = rig.window.state().genome.cellPos;
        rig.clickCell(0, 2, 3); // cell 7
        QCOMPARE(rig.editorGenes(), table[7]);
        // Neither a click with Ctrl held nor the middle button picks.
        rig.clickCell(0, 4, 0, Qt::LeftButton, Qt::ControlModifier);
        rig.clickCell(0, 4, 0, Qt::MiddleButton);
        QCOMPARE(rig.editorGenes(), table[7]);
        rig.clickCell(0, 0, 0, Qt::RightButton);
        QCOMPARE(rig.editorGenes(), startGenes());
        rig.press("cmdZELMrep");
        QVERIFY(rig.window.state().history.entry(rig.current()).screen.kind == ScreenKind::Review);

        // The alternative area takes no picks.
        rig.press("cmdZELNalt");
        rig.press("cmdZELMdraw");
        rig.clickCell(1, 1, 1);
        QVERIFY(rig.window.pictureArea(1)->picture().items().back().kind !=
                PictureItem::Kind::Rectangle);
        QCOMPARE(rig.editorGenes(), startGenes());
    }

    void theGoMenuTheMouseButtonsAndTheFamilyTreeMoveThroughTheScreens() {
        BreedingRig rig;
        rig.platform.random.useSeed(77);
        rig.press("cmdZELMdraw");
        rig.press("cmdZELRdraw");
        userClick(rig.window.pictureArea(0), Qt::BackButton);
        QCOMPARE(rig.current(), 0);
        QCOMPARE(rig.caption("statusText"),
                 QStringLiteral("Screen 1 of 2: DRAW MUTATIONS, seed 77."));
        QVERIFY(!rig.find<QAction>("mnuZELback")->isEnabled());
        QVERIFY(rig.find<QAction>("mnuZELforward")->isEnabled());
        userClick(rig.window.pictureArea(0), Qt::ForwardButton);
        QCOMPARE(rig.current(), 1);

        rig.trigger("mnuZELback");
        rig.press("cmdZELMdraw");
        rig.trigger("mnuZELtree");
        auto& tree = *rig.find<FamilyTreeWindow>("frmZelTree");
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        QWidget* viewport = rig.find<QGraphicsView>("grvZelTree", &tree)->viewport();
        userClick(viewport, Qt::LeftButton, {}, tree.nodeCentre(1));
        QCOMPARE(rig.current(), 1);
        userClick(viewport, Qt::BackButton, {}, tree.nodeCentre(1));
        QCOMPARE(rig.current(), 0);

        rig.platform.dialogs.files.emplace_back(rig.path("tree.svg"));
        rig.find<QAction>("mnuTreeExport", &tree)->trigger();
        QVERIFY(QSvgRenderer(rig.folder.filePath("tree.svg")).isValid());
    }

    // The replay's steps are tested on the logic rig; here its controls, what it locks and
    // the three ways it ends.
    void aReplayLocksTheWindowAndEveryWayOfEndingItGivesTheScreenBack() {
        BreedingRig rig;
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        auto* replay = rig.find<QAction>("mnuZELreplay");
        QVERIFY(!replay->isEnabled());
        rig.platform.random.useSeed(5);
        rig.press("cmdZELMdraw");
        rig.clickCell(0, 1, 4); // mutant 1
        rig.press("cmdZELRdraw");
        rig.clickCell(0, 4, 4);
        const PictureArea* area = rig.window.pictureArea(0);
        const std::size_t items = area->picture().items().size();
        const GeneSet picked = rig.editorGenes();
        const auto shownBefore = [&] {
            QVERIFY(rig.find("replayBar")->isHidden());
            QCOMPARE(area->picture().items().size(), items);
            QCOMPARE(rig.editorGenes(), picked);
            QVERIFY(area->isEnabled() && rig.find<QAction>("mnuZELback")->isEnabled());
        };

        userTrigger(replay);
        QCOMPARE(rig.editorGenes(), startGenes());
        for (const char* locked : {"cmdZELMdraw", "cmdZELRdraw", "cmdZELscreen", "udGene_0"}) {
            QVERIFY2(!rig.find(QLatin1String(locked))->isEnabled(), locked);
        }
        QVERIFY(!area->isEnabled());
        for (const char* locked : {"mnuZELback", "mnuZELreplay", "mnuZELsave", "mnuZELprint"}) {
            QVERIFY2(!rig.find<QAction>(QLatin1String(locked))->isEnabled(), locked);
        }
        rig.press("replayPause");
        rig.press("replayStep");
        QCOMPARE(rig.editorGenes(), rig.window.state().history.entry(1).screen.central);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        shownBefore();

        // Left to run at the fastest pace, it holds the last figure for one beat and ends.
        userTrigger(replay);
        rig.find<QDoubleSpinBox>("replaySeconds")->setValue(0.25);
        QTRY_VERIFY_WITH_TIMEOUT(rig.caption("statusText").startsWith("Replay: step 2"), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.find("replayBar")->isHidden(), 2000);
        shownBefore();

        userTrigger(replay);
        rig.window.close();
        shownBefore();
    }

    // Copy puts the central figure on the clipboard in three forms. A double click opens the
    // figure alone, and its second press picks nothing again.
    void copyPasteKeysAndACloserLookReachTheClipboardAndTheEditor() {
        BreedingRig rig;
        rig.platform.random.queueDraws(3);
        rig.press("cmdZELMdraw");
        rig.trigger("mnuZELcopy");
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text().toStdString(), geneText(startGenes()));
        QVERIFY(QSvgRenderer(copied->data(QStringLiteral("image/svg+xml"))).isValid());
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), QSize(2000, 2000));

        const int screens = rig.window.state().history.size();
        rig.clickCell(0, 2, 3); // cell 7
        const std::size_t items = rig.items(0);
        PictureArea* area = rig.window.pictureArea(0);
        QTest::mouseDClick(area, Qt::LeftButton, {}, rig.cellCentre(0, 2, 3));
        QTest::mouseRelease(area, Qt::LeftButton, {}, rig.cellCentre(0, 2, 3));
        QCOMPARE(rig.items(0), items);
        QCOMPARE(rig.window.state().history.size(), screens);
        auto* look = rig.find<CloserLookWindow>(QStringLiteral("frmZelLook"));
        const ScreenFigure& seventh =
            rig.window.state().history.entry(rig.current()).screen.figures[7];
        QCOMPARE(look->figure(), seventh);
        rig.clickCell(0, 2, 3, Qt::RightButton);
        userClick(rig.find<QPushButton>(QStringLiteral("cmdLookCentral"), look));
        QCOMPARE(rig.editorGenes(), seventh.genes);
    }

    void anEarlierRunOpensInAFreshWindowAndGoesOn() {
        const auto wire = [](MainWindow& window) {
            connectBreeding(window);
            connectHistory(window);
            connectRuns(window);
        };
        const QTemporaryDir data; // yesterday's run, kept after its program has ended
        const std::string folder = data.path().toStdString();
        const auto inData = [&](MainWindow& window) {
            window.setProgramFolder(folder);
            wire(window);
        };
        auto first = std::make_unique<WindowRig>(inData);
        first->platform.random.queueDraws(3);
        first->press("cmdZELMdraw");
        first->press("cmdZELRdraw");
        const HistoryState kept = first->window.state().history;
        first.reset();

        WindowRig second(inData);
        second.trigger("mnuZELruns");
        auto* runs = second.window.findChild<EarlierRunsWindow*>();
        QVERIFY(runs != nullptr && runs->isVisible());
        auto* list = second.find<QListWidget>("lstZELruns", runs);
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().endsWith("2 screens"));
        second.press("cmdZELrunOpen");
        QVERIFY(runs->isHidden());
        const HistoryState& history = second.window.state().history;
        QCOMPARE(history.size(), 2);
        QCOMPARE(history.current(), 1);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(history.entry(i).screen == kept.entry(i).screen);
        }
        QCOMPARE(second.editorGenes(), kept.entry(1).screen.central);
        QVERIFY(second.window.commands().back->isEnabled());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::BreedingWindowTest)
#include "breeding_window_test.moc"
