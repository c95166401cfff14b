#include "breeding/draw_mutations.h"
#include "breeding/history_screens.h"
#include "breeding/relatives.h"
#include "breeding/replay.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "core/lineage.h"
#include "core/renderer.h"
#include "storage/catalogue.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vavivor {
namespace {

// Everything a picture shows, one line per item in drawing order, so that two screens can be
// compared exactly.
std::vector<std::string> shown(const Picture& picture) {
    std::vector<std::string> lines;
    for (const PictureItem& item : picture.items()) {
        std::ostringstream line;
        line << std::setprecision(17) << static_cast<int>(item.kind) << ' ' << item.x1 << ' '
             << item.y1 << ' ' << item.x2 << ' ' << item.y2 << ' ' << item.colour << ' '
             << static_cast<int>(item.lineWidth);
        if (item.kind == PictureItem::Kind::Text) {
            line << " '" << picture.texts()[item.text] << "'";
        }
        lines.push_back(line.str());
    }
    return lines;
}

// Runs one step of a script: M, R and V press DRAW MUTATIONS, DRAW RELATIVES and REVIEW
// MUTATIONS, < and > are Back and Forward, a digit d shows entry d as the family tree does.
void runStep(LogicRig& rig, char step) {
    static const std::map<char, void (*)(ProgramState&, Services&)> kButtons{{'M', breedMutations},
                                                                             {'R', breedRelatives},
                                                                             {'V', reviewMutations},
                                                                             {'<', goBack},
                                                                             {'>', goForward}};
    if (step == 'M') {
        rig.platform.random.queueDraws(static_cast<unsigned>(rig.state.history.size()) + 1);
    }
    if (const auto button = kButtons.find(step); button != kButtons.end()) {
        button->second(rig.state, rig.services);
    } else {
        showHistoryEntry(rig.state, rig.services, step - '0');
    }
}

// ---------------------------------------------------------------- branches

struct BranchCase {
    const char* script;
    std::vector<int> parents; // of every entry, in the order they were drawn
    std::vector<int> lanes;
    int current;
    bool back;
    bool forward;
};

void PrintTo(const BranchCase& c, std::ostream* os) {
    *os << '"' << c.script << '"';
}

class HistoryBranchTest : public ::testing::TestWithParam<BranchCase> {};

TEST_P(HistoryBranchTest, NewScreensHangUnderTheCurrentOneAndForwardFollowsTheLastVisit) {
    const BranchCase& c = GetParam();
    LogicRig rig;
    for (const char* step = c.script; *step != '\0'; ++step) {
        runStep(rig, *step);
    }
    const HistoryState& history = rig.state.history;
    std::vector<int> parents;
    std::vector<int> lanes;
    for (int i = 0; i < history.size(); ++i) {
        parents.push_back(history.entry(i).parent);
        lanes.push_back(history.entry(i).lane);
        EXPECT_EQ(history.entry(i).depth, static_cast<int>(history.lineage(i).size()) - 1);
    }
    EXPECT_EQ(parents, c.parents);
    EXPECT_EQ(lanes, c.lanes);
    EXPECT_EQ(history.current(), c.current);
    EXPECT_EQ(rig.controls.backEnabled, c.back);
    EXPECT_EQ(rig.controls.forwardEnabled, c.forward);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, HistoryBranchTest,
    ::testing::Values(BranchCase{"<>", {}, {}, -1, false, false},
                      BranchCase{"MVR<<", {-1, 0, 1}, {0, 0, 0}, 0, false, true},
                      // Breeding after going back starts a branch; the old one stays.
                      BranchCase{"MVR<<M<>", {-1, 0, 1, 0}, {0, 0, 0, 1}, 3, true, false},
                      BranchCase{"MVR<<M<R", {-1, 0, 1, 0, 0}, {0, 0, 0, 1, 2}, 4, true, false},
                      // A jump to screen 2 makes its way the one Forward follows.
                      BranchCase{"MVR<<M2<<>>>", {-1, 0, 1, 0}, {0, 0, 0, 1}, 2, true, false}));

// ---------------------------------------------------------------- exact redraw

TEST(HistoryRedrawTest, AChainComesBackWithTheFiguresOfTheReviewAndItsOwnLabels) {
    LogicRig rig;
    // Genes at both bounds, so that some labels name a change that did not happen.
    rig.setEditor(GeneSet{9, 1, 9, 1, 5, 5, 9, 1});
    rig.platform.random.queueDraws(7);
    breedMutations(rig.state, rig.services);
    const std::vector<std::string> drawn = shown(rig.picture().picture());
    const MutantTable chain = rig.state.genome.cellPos;
    reviewMutations(rig.state, rig.services);
    const std::vector<std::string> reviewed = shown(rig.picture().picture());

    // Away on a relatives screen with a pick, then back.
    breedRelatives(rig.state, rig.services);
    selectCell(rig.state, rig.services, PickButton::Left, false, 100.0F, 900.0F);
    const int draws = rig.platform.random.draws;
    goBack(rig.state, rig.services);
    EXPECT_EQ(shown(rig.picture().picture()), reviewed);
    goBack(rig.state, rig.services);
    EXPECT_EQ(shown(rig.picture().picture()), drawn);
    EXPECT_EQ(rig.platform.random.draws, draws);
    EXPECT_EQ(rig.state.genome.cellPos, chain);
    EXPECT_EQ(rig.controls.shownGenes, chain[0]);
    EXPECT_TRUE(rig.state.breeding.sequenceShown);
}

// ---------------------------------------------------------------- replay

TEST(HistoryReplayTest, AReplayShowsTheCentralFiguresInOrderAndThenWhatWasShownBefore) {
    LogicRig rig;
    // Four generations, back to the third, and a pick on it not yet bred from.
    for (const char step : std::string("MRMR<")) {
        runStep(rig, step);
        selectCell(rig.state, rig.services, PickButton::Left, false, 300.0F, 900.0F);
    }
    const std::vector<std::string> before = shown(rig.picture().picture());
    const GeneSet picked = rig.controls.shownGenes;
    const MutantTable chain = rig.state.genome.cellPos;
    // The full-screen layout with Auto-Print: still nothing may be printed.
    rig.state.screen.gridFlag[0] = 1;
    rig.controls.autoPrintBox = true;

    Replay replay = beginReplay(rig.state, "Screen 3 of 4: DRAW MUTATIONS.");
    ASSERT_EQ(replay.entries, (std::vector<int>{0, 1, 2}));
    for (int step = 0; step < 3; ++step) {
        ASSERT_TRUE(showNextReplayStep(rig.state, rig.services, replay));
        const GeneSet central = rig.state.history.entry(step).screen.central;
        RecordingSurface expected;
        prepareSurface(expected, 1);
        const std::string label = "Step " + std::to_string(step + 1) + " of 3";
        drawFigure(rig.state.renderer, expected, {kCentreCell, central, label, 0},
                   FigureLayout::Full);
        EXPECT_EQ(shown(rig.picture().picture()), shown(expected.picture())) << step;
        EXPECT_EQ(rig.controls.shownGenes, central) << step;
        EXPECT_NE(central, rig.state.history.entry(step + 1).screen.central) << step;
    }
    EXPECT_FALSE(showNextReplayStep(rig.state, rig.services, replay));
    endReplay(rig.state, rig.services, replay);

    EXPECT_EQ(shown(rig.picture().picture()), before);
    EXPECT_EQ(rig.controls.shownGenes, picked);
    EXPECT_EQ(rig.state.genome.cellPos, chain);
    EXPECT_EQ(rig.controls.statusLines.back(), "Screen 3 of 4: DRAW MUTATIONS.");
    EXPECT_EQ(rig.state.history.size(), 4);
    EXPECT_EQ(rig.state.history.current(), 2);
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 0);
    EXPECT_TRUE(rig.platform.printer.items.empty());
}

// ---------------------------------------------------------------- loaded records

TEST(HistoryRecordTest, ALoadedRecordShowsItsNumberAgainOnBack) {
    LogicRig rig;
    rig.state.store.currentStore = "/tmp/first.zlr";
    StorageRecord record;
    for (int g = 0; g < kGeneCount; ++g) {
        record.cell(0, g) = static_cast<float>(g + 1);
    }
    const auto screen = screenOfRecord(record, 7, rig.state.store.currentStore);
    ASSERT_TRUE(screen);
    showLoadedRecord(rig.state, rig.services, *screen);
    const std::vector<std::string> loaded = shown(rig.picture().picture());
    runStep(rig, 'M');
    EXPECT_FALSE(rig.controls.recordLabelsVisible);

    runStep(rig, '<');
    EXPECT_EQ(shown(rig.picture().picture()), loaded);
    EXPECT_TRUE(rig.controls.recordLabelsVisible);
    EXPECT_EQ(rig.controls.recordNumber, " 7");
    EXPECT_EQ(rig.controls.statusLines.back(), "Screen 1 of 2: record 7 of first.zlr.");
}

// ---------------------------------------------------------------- lineage

// A left click on cell `cell` (row by row from the top left) of the grid screen shown.
void pickCell(LogicRig& rig, int cell) {
    const auto x = static_cast<float>(kCellSize * (cell % kGridN) + kCellSize / 2);
    const auto y = static_cast<float>(kCellSize * (kGridN - 1 - cell / kGridN) + kCellSize / 2);
    selectCell(rig.state, rig.services, PickButton::Left, false, x, y);
}

std::vector<std::string> hows(const std::vector<LineageStep>& steps) {
    std::vector<std::string> text;
    for (const LineageStep& step : steps) {
        text.push_back(std::to_string(step.step) + " " + std::to_string(step.entry) + " " +
                       step.how);
    }
    return text;
}

// The lineage follows the branch that leads to the screen asked for, and names how each central
// figure came from the screen before: a relative picked, the same figure drawn again, a
// mutant picked (by its label), genes set by hand, a record loaded.
TEST(LineageTest, EachStepSaysHowItsFigureCameFromTheScreenBefore) {
    LogicRig rig;
    runStep(rig, 'R'); // 0
    pickCell(rig, relativeCell(2, -1));
    runStep(rig, 'R'); // 1
    runStep(rig, 'M'); // 2
    const ScreenFigure mutant = rig.state.history.entry(2).screen.figures[7];
    pickCell(rig, mutant.cell);
    runStep(rig, 'R'); // 3
    runStep(rig, '<');
    rig.setEditor({5, 5, 4, 5, 9, 5, 5, 5});
    runStep(rig, 'R'); // 4, a second branch under 2
    StorageRecord record;
    for (int g = 0; g < kGeneCount; ++g) {
        record.cell(0, g) = 3.0F;
    }
    showLoadedRecord(rig.state, rig.services, *screenOfRecord(record, 7, "/tmp/first.zlr")); // 5

    const HistoryState& history = rig.state.history;
    const std::vector<LineageStep> loaded = lineageSteps(history, 5);
    EXPECT_EQ(hows(loaded), (std::vector<std::string>{
                                "1 0 start", "2 1 picked from relatives", "3 2 same central figure",
                                "4 4 set in the gene editor", "5 5 record 7 of first.zlr"}));
    EXPECT_EQ(loaded[1].genes, (GeneSet{5, 5, 4, 5, 5, 5, 5, 5}));
    EXPECT_EQ(loaded[4].genes, (GeneSet{3, 3, 3, 3, 3, 3, 3, 3}));

    const std::vector<LineageStep> picked = lineageSteps(history, 3);
    ASSERT_EQ(picked.size(), 4U);
    EXPECT_EQ(picked[3].how, mutant.label);
    EXPECT_EQ(picked[3].genes, mutant.genes);
    EXPECT_TRUE(lineageSteps(history, 6).empty());
}

} // namespace
} // namespace vavivor
