#include "breeding/draw_mutations.h"
#include "breeding/figure_share.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "core/figure_picture.h"
#include "core/gene_text.h"
#include "core/screen.h"
#include "support/logic_rig.h"
#include "support/scripted_clipboard.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace vavivor {
namespace {

// prefix, number, suffix: written with a stream, as GCC 12 warns wrongly about string sums.
std::string text(const char* prefix, int number, const char* suffix = "") {
    std::ostringstream out;
    out << prefix << number << suffix;
    return out.str();
}

const Screen& currentScreen(const LogicRig& rig) {
    return rig.state.history.entry(rig.state.history.current()).screen;
}

// ---------------------------------------------------------------- the mutation generator

// The first draw picks the gene, the second the direction; the label names the attempted
// change, even when a bound stopped it. Rows 7 on take the mutant.
TEST(MutateChainTest, GeneFromTheFirstDrawDirectionFromTheSecond) {
    for (const auto& [geneDraw, directionDraw, gene, from, to, label] :
         {std::tuple{0.124999, 0.499999, 0, 5, 4, "G1 -1"}, std::tuple{0.125, 0.5, 1, 5, 6, "G2 1"},
          std::tuple{0.999999, 0.999999, 7, 9, 9, "G8 1"},
          std::tuple{0.3, 0.1, 2, 1, 1, "G3 -1"}}) {
        GeneSet central = startGenes();
        central[gene] = static_cast<std::int16_t>(from);
        MutantTable chain;
        chain.fill(central);
        ScriptedRandom random;
        random.numbers = {geneDraw, directionDraw};
        EXPECT_EQ(mutateChain(chain, 7, random), label);
        EXPECT_EQ(random.draws, 2);
        GeneSet expected = central;
        expected[gene] = static_cast<std::int16_t>(to);
        for (int k = 0; k < kCellCount; ++k) {
            EXPECT_EQ(chain[k], k < 7 ? central : expected) << label << k;
        }
    }
}

// ---------------------------------------------------------------- the screens

// A chain is drawn from the editor's figure, numbered by cell, and recorded; its review redraws
// it without random numbers, labelled by cell.
TEST(DrawMutationsTest, AChainNumberedByCellIsRecordedAndReviewedWithoutRandomNumbers) {
    LogicRig rig;
    const GeneSet central{4, 6, 3, 7, 5, 4, 6, 5};
    rig.setEditor(central);
    rig.platform.random.queueDraws(11);
    breedMutations(rig.state, rig.services);
    const MutantTable table = rig.state.genome.cellPos;
    const Screen& screen = currentScreen(rig);
    EXPECT_EQ(screen.kind, ScreenKind::Mutations);
    EXPECT_EQ(screen.chain, table);
    EXPECT_EQ(rig.controls.shownGenes, central) << "the editor keeps the central figure";
    EXPECT_EQ(rig.platform.random.reseeds, 1);
    EXPECT_EQ(rig.platform.random.draws, 48);
    ASSERT_EQ(screen.figures.size(), 25U);
    EXPECT_EQ(screen.figures[0], (ScreenFigure{0, central, "Orig.", 0}));
    for (int k = 1; k < kCellCount; ++k) {
        EXPECT_EQ(screen.figures[k], (ScreenFigure{k, table[k], screen.figures[k].label, k}));
    }

    rig.setEditor(table[3]);
    reviewMutations(rig.state, rig.services);
    EXPECT_EQ(rig.controls.shownGenes, table[0]);
    EXPECT_EQ(rig.state.genome.genePos, table[24]);
    EXPECT_EQ(rig.platform.random.draws, 48);
    const Screen& reviewed = currentScreen(rig);
    EXPECT_EQ(reviewed.kind, ScreenKind::Review);
    ASSERT_EQ(reviewed.figures.size(), 25U);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(reviewed.figures[k],
                  (ScreenFigure{k, table[k], k == 0 ? "Orig." : text("V ", k), 0}));
    }
    // A loaded table is drawn as stored, its central figure from centralPos.
    rig.state.genome.centralPos = {2, 2, 2, 2, 2, 2, 2, 2};
    reviewMutations(rig.state, rig.services);
    EXPECT_EQ(currentScreen(rig).figures[0].genes, rig.state.genome.centralPos);
}

// Full screen: a pause after each figure, or with Auto-Print a page each. The review prints as
// the last Draw Mutations run read the box, whatever the box says now.
TEST(FullScreenPrintTest, PausesOrPrintsAfterEachFigure) {
    for (const auto& [press, figures, autoPrint] :
         {std::tuple{&breedMutations, 25, false}, std::tuple{&breedRelatives, 17, true},
          std::tuple{&reviewMutations, 25, true}}) {
        SCOPED_TRACE(testing::Message() << figures << (autoPrint ? " Auto-Print" : " pauses"));
        LogicRig rig;
        rig.controls.autoPrintBox = autoPrint;
        rig.platform.random.queueDraws(5);
        if (press == reviewMutations) {
            breedMutations(rig.state, rig.services); // in the grid: nothing printed
            rig.controls.autoPrintBox = !autoPrint;
        }
        rig.state.screen.gridFlag[0] = 1;
        press(rig.state, rig.services);
        EXPECT_TRUE(rig.picture().picture().empty());
        EXPECT_EQ(rig.platform.printDialogs.choicesAsked, autoPrint ? 0 : figures);
        EXPECT_EQ(rig.platform.printer.documents, autoPrint ? figures : 0);
    }
}

TEST(FullScreenPrintTest, AutoPrintStopsAtTheFirstFailedPageOfARun) {
    LogicRig rig;
    rig.controls.autoPrintBox = true;
    rig.state.screen.gridFlag[0] = 1;
    rig.platform.printer.failingEndDocs = 100;
    breedRelatives(rig.state, rig.services);
    EXPECT_EQ(rig.platform.printer.documents, 1);
    ASSERT_EQ(rig.platform.dialogs.messages().size(), 1U);
    EXPECT_NE(rig.platform.dialogs.messages()[0].find("Auto-Print stops"), std::string::npos);
    breedRelatives(rig.state, rig.services);
    EXPECT_EQ(rig.platform.printer.documents, 2);
    EXPECT_EQ(rig.platform.dialogs.messages().size(), 2U);
}

// ---------------------------------------------------------------- the hit test and picking

// Positions are rounded halves to even before dividing by the cell size; x and y alike.
TEST(HitCellTest, RoundsHalvesToEvenBeforeDividing) {
    for (const auto& [x, y, column, row] :
         {std::tuple{199.4F, 10.0F, 0, 0}, std::tuple{199.5F, 10.0F, 1, 0},
          std::tuple{-0.5F, 0.0F, 0, 0}, std::tuple{999.4F, 0.0F, 4, 0},
          std::tuple{999.5F, 0.0F, -1, -1}, std::tuple{0.0F, 1000.0F, -1, -1},
          std::tuple{-0.6F, 500.0F, -1, -1}}) {
        for (const bool swapped : {false, true}) {
            const auto cell = swapped ? hitCell(y, x) : hitCell(x, y);
            ASSERT_EQ(cell.has_value(), column >= 0) << x << ", " << y;
            if (cell) {
                EXPECT_EQ(swapped ? cell->row : cell->column, column) << x << ", " << y;
                EXPECT_EQ(swapped ? cell->column : cell->row, row) << x << ", " << y;
            }
        }
    }
}

// A frame drawn by a pick: its cell (rows from the top) and colour.
struct Frame {
    int cell;
    Colour colour;
    bool operator==(const Frame&) const = default;
};

class PickTest : public ::testing::Test {
protected:
    void draw(void (*screen)(ProgramState&, Services&)) {
        rig.platform.random.queueDraws(7);
        screen(rig.state, rig.services);
        mark = rig.picture().picture().items().size();
    }
    // Clicks the centre of cell k (rows from the top).
    void click(int k, PickButton button = PickButton::Left, bool modifierHeld = false) {
        selectCell(rig.state, rig.services, button, modifierHeld, 200.0F * (k % 5) + 100,
                   200.0F * (4 - k / 5) + 100);
    }
    // The frames drawn since the last mark.
    std::vector<Frame> frames() const {
        std::vector<Frame> out;
        const auto& items = rig.pics[0].picture().items();
        for (std::size_t i = mark; i < items.size(); ++i) {
            EXPECT_EQ(items[i].kind, PictureItem::Kind::Rectangle) << "a pick only draws frames";
            EXPECT_NEAR(items[i].x2 - items[i].x1, 200.0, 1.0); // less at the area's edge
            out.push_back({static_cast<int>(items[i].x1 / 200) +
                               5 * (4 - static_cast<int>(items[i].y1 / 200)),
                           items[i].colour});
        }
        return out;
    }

    LogicRig rig;
    std::size_t mark = 0;
};

// Relatives: each gene one step up along the top and right, one step down opposite. Only the
// border can be picked, and a pick changes one gene.
TEST_F(PickTest, RelativesStandAroundTheCentralFigureAndOnlyTheBorderIsPicked) {
    const GeneSet central{9, 1, 5, 5, 5, 5, 5, 1};
    rig.setEditor(central);
    rig.state.genome.cellPos[3] = GeneSet{7, 7, 7, 7, 7, 7, 7, 7};
    const MutantTable table = rig.state.genome.cellPos;
    rig.controls.reviewVisible = true;
    draw(breedRelatives);

    const Screen& screen = currentScreen(rig);
    ASSERT_EQ(screen.figures.size(), 17U);
    EXPECT_EQ(screen.figures[0], (ScreenFigure{12, central, "Orig.", 0}));
    EXPECT_FALSE(rig.controls.reviewVisible);
    EXPECT_EQ(rig.state.genome.cellPos, table) << "the mutant table is not touched";
    EXPECT_EQ(rig.platform.random.draws, 0);
    static constexpr int kPlusCell[] = {0, 1, 2, 3, 4, 9, 14, 19};
    static constexpr int kMinusCell[] = {24, 23, 22, 21, 20, 15, 10, 5};
    for (int i = 1; i < 17; ++i) {
        const int gene = (i - 1) / 2;
        const int dir = i % 2 == 1 ? 1 : -1;
        const int k = dir > 0 ? kPlusCell[gene] : kMinusCell[gene];
        GeneSet relative = central;
        relative[gene] = clampPos(central[gene], dir);
        const ScreenFigure& f = screen.figures[i];
        EXPECT_EQ(f, (ScreenFigure{k, relative, text("G", gene + 1, dir > 0 ? " +1" : " -1"), 0}));
        click(k); // the previous pick is undone first
        EXPECT_EQ(rig.controls.shownGenes, relative) << f.label;
        EXPECT_EQ(frames().back(), (Frame{k, kRed}));
    }
    const auto writes = rig.controls.editorWrites;
    click(16); // an inner cell
    EXPECT_EQ(rig.controls.editorWrites, writes);
}

TEST_F(PickTest, APickCoversTheLastFrameAndRightClickRestoresTheCentralFigure) {
    draw(breedMutations);
    click(12, PickButton::Right); // nothing to undo yet
    click(6);                     // an inner cell: every cell of a chain can be picked
    EXPECT_EQ(rig.controls.shownGenes, rig.state.genome.cellPos[6]);
    click(6);
    click(20, PickButton::Right);
    EXPECT_EQ(rig.controls.shownGenes, rig.state.genome.centralPos);
    EXPECT_EQ(rig.state.genome.genePos, rig.state.genome.centralPos);
    click(24);
    EXPECT_EQ(frames(),
              (std::vector<Frame>{
                  {6, kRed}, {6, kBlack}, {6, kRed}, {6, kBlack}, {6, kBlack}, {24, kRed}}));
    EXPECT_EQ(rig.controls.shownGenes, rig.state.genome.cellPos[24]);
    // After a review the remembered cell is covered first.
    reviewMutations(rig.state, rig.services);
    mark = rig.picture().picture().items().size();
    click(0);
    EXPECT_EQ(frames(), (std::vector<Frame>{{24, kBlack}, {0, kRed}}));
    EXPECT_EQ(rig.pics[0].lineWidth(), 1);
}

TEST_F(PickTest, ClicksBeforeAnyScreenWithShiftOtherButtonsOrInFullScreenAreIgnored) {
    // The empty grid of the start has no figures: a pick would load genes nobody sees.
    const GeneSet start = rig.controls.shownGenes;
    click(4);
    click(4, PickButton::Right);
    EXPECT_TRUE(frames().empty());
    EXPECT_EQ(rig.controls.shownGenes, start);
    draw(breedMutations);
    click(12); // a pick to undo or move
    for (const auto& [button, modifierHeld, fullScreen] :
         {std::tuple{PickButton::Left, true, 0}, {PickButton::Right, false, 1}}) {
        rig.state.screen.gridFlag[0] = fullScreen;
        mark = rig.picture().picture().items().size();
        const auto writes = rig.controls.editorWrites;
        click(4, button, modifierHeld);
        EXPECT_TRUE(frames().empty())
            << static_cast<int>(button) << " " << modifierHeld << " " << fullScreen;
        EXPECT_EQ(rig.controls.editorWrites, writes);
    }
}

// ---------------------------------------------------------------- copy, paste and drag

// Copy takes the screen's central figure, whatever is picked; Paste Genes brings its genes
// back as typing them would, value texts included. Text that is no gene set changes nothing
// and the message says why.
TEST_F(PickTest, CopiedGenesPasteBackAndOtherTextChangesNothing) {
    ScriptedClipboard clipboard;
    copyCentralFigure(rig.state, rig.services, clipboard);
    EXPECT_FALSE(clipboard.content) << "no screen yet, so no figure";
    ASSERT_EQ(rig.platform.dialogs.messages().size(), 1U);

    const GeneSet central{9, 1, 5, 5, 7, 5, 5, 4};
    rig.setEditor(central);
    draw(breedMutations);
    click(7);
    copyCentralFigure(rig.state, rig.services, clipboard);
    EXPECT_EQ(clipboard.content, geneText(central));
    ASSERT_TRUE(clipboard.figure);
    EXPECT_EQ(clipboard.figure->texts(), figurePicture(central, "Orig.").texts());

    rig.setEditor(startGenes());
    const auto valuesBefore = rig.controls.values;
    ASSERT_TRUE(pasteGenes(rig.state, rig.services, clipboard));
    EXPECT_EQ(rig.controls.shownGenes, central);
    EXPECT_NE(rig.controls.values, valuesBefore);

    for (const std::optional<std::string>& bad :
         {std::optional<std::string>(), std::optional<std::string>("9,1,5,5,7,5,5,10")}) {
        clipboard.content = bad;
        rig.setEditor(startGenes());
        const auto writes = rig.controls.editorWrites;
        EXPECT_FALSE(pasteGenes(rig.state, rig.services, clipboard));
        EXPECT_EQ(rig.controls.editorWrites, writes);
    }
    EXPECT_EQ(rig.platform.dialogs.messages().size(), 3U);

    // In a position box a single position sets that gene only; a gene set still pastes whole.
    clipboard.content = "7\n";
    pasteGenePosition(rig.state, rig.services, 2, clipboard);
    EXPECT_EQ(rig.controls.shownGenes, (GeneSet{5, 5, 7, 5, 5, 5, 5, 5}));
    copyGenePosition(rig.state, 2, clipboard);
    EXPECT_EQ(clipboard.content, "7");
    clipboard.content = geneText(central);
    pasteGenePosition(rig.state, rig.services, 2, clipboard);
    EXPECT_EQ(rig.controls.shownGenes, central);
}

// A drag or a double click takes the figure in the cell under the mouse (rows counted from the
// bottom on the area, cells from the top on the screen), none from an empty cell; a drag in the
// full-screen layout takes the central figure.
TEST_F(PickTest, TheFigureUnderTheMouseIsTheOneInThatCell) {
    EXPECT_FALSE(draggedFigure(rig.state, 500, 500)) << "no screen yet";
    draw(breedRelatives);
    const Screen& screen = currentScreen(rig);
    for (const ScreenFigure& figure : screen.figures) {
        const float x = 200.0F * (figure.cell % 5) + 100;
        const float y = 200.0F * (4 - figure.cell / 5) + 100;
        EXPECT_EQ(gridFigureAt(rig.state, x, y), figure) << figure.label;
    }
    EXPECT_FALSE(gridFigureAt(rig.state, 300, 500)) << "cell 11 stays empty on this screen";
    rig.state.screen.gridFlag[0] = 1;
    EXPECT_EQ(draggedFigure(rig.state, 100, 900), screen.figures.front());
    EXPECT_FALSE(gridFigureAt(rig.state, 100, 900));
}

} // namespace
} // namespace vavivor
