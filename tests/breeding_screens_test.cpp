#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "support/drawn_figures.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vavivor {
namespace {

// prefix, number, suffix: written with a stream, as GCC 12 warns wrongly about string sums.
std::string text(const char* prefix, int number, const char* suffix = "") {
    std::ostringstream out;
    out << prefix << number << suffix;
    return out.str();
}

// ---------------------------------------------------------------- the mutation generator

struct MutantCase {
    double geneDraw;
    double directionDraw;
    int gene;
    std::int16_t from; // the gene's position before
    std::int16_t to;
    const char* label; // names the attempted change, even when a bound stopped it
};

void PrintTo(const MutantCase& c, std::ostream* os) {
    *os << c.label << " from " << c.from;
}

class MakeMutantTest : public ::testing::TestWithParam<MutantCase> {};

TEST_P(MakeMutantTest, GeneFromTheFirstDrawDirectionFromTheSecond) {
    const MutantCase& c = GetParam();
    LogicRig rig;
    GenomeState& genome = rig.state.genome;
    genome.centralPos = genome.genePos = startGenes();
    genome.centralPos[c.gene] = genome.genePos[c.gene] = c.from;
    resetMutantTable(genome);
    rig.platform.random.numbers = {c.geneDraw, c.directionDraw};
    EXPECT_EQ(makeMutant(genome, rig.platform.random, 7), c.label);
    EXPECT_EQ(rig.platform.random.draws, 2);
    GeneSet expected = genome.centralPos;
    expected[c.gene] = c.to;
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(genome.cellPos[k], k < 7 ? genome.centralPos : expected) << "row " << k;
    }
    EXPECT_EQ(genome.genePos, expected);
    EXPECT_EQ(genome.geneValue[c.gene], geneValueAt(genome, c.gene, c.to));
}

INSTANTIATE_TEST_SUITE_P(Draws, MakeMutantTest,
                         ::testing::Values(MutantCase{0.124999, 0.499999, 0, 5, 4, "G1 -1"},
                                           MutantCase{0.125, 0.5, 1, 5, 6, "G2 1"},
                                           MutantCase{0.999999, 0.999999, 7, 9, 9, "G8 1"},
                                           MutantCase{0.3, 0.1, 2, 1, 1, "G3 -1"}));

// ---------------------------------------------------------------- the screens

TEST(DrawMutationsTest, GridShowsTheCentralFigureAndTheNumberedChain) {
    LogicRig rig;
    const GeneSet central{4, 6, 3, 7, 5, 4, 6, 5};
    rig.setEditor(central);
    rig.controls.autoPrintBox = true;
    rig.controls.recordLabelsVisible = true;
    rig.platform.random.queueDraws(11);
    rig.state.selection.noSelection = false;
    cmdZELMdraw_Click(rig.state, rig.services);

    const GenomeState& genome = rig.state.genome;
    EXPECT_EQ(genome.centralPos, central);
    EXPECT_EQ(genome.genePos, genome.cellPos[24]);
    EXPECT_EQ(rig.controls.shownGenes(), central) << "the editor keeps the central figure";
    EXPECT_EQ(rig.platform.random.reseeds, 1);
    EXPECT_EQ(rig.state.breeding.autoPrint, 1);
    EXPECT_TRUE(rig.state.selection.noSelection);
    EXPECT_TRUE(rig.controls.saveEnabled);
    EXPECT_TRUE(rig.controls.reviewVisible);
    EXPECT_FALSE(rig.controls.recordLabelsVisible);
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 0) << "no pause in the grid layout";
    const auto figures = drawnFigures(rig.picture().picture());
    ASSERT_EQ(figures.size(), 25U);
    EXPECT_EQ(figures[0].label, "Orig.");
    std::size_t segments = 8; // the grid
    EXPECT_EQ(genome.cellPos[0], central);
    for (int k = 0; k < kCellCount; ++k) {
        int steps = 0; // each mutant moves one gene of the one before by at most one step
        for (int g = 0; k > 0 && g < kGeneCount; ++g) {
            steps += std::abs(genome.cellPos[k][g] - genome.cellPos[k - 1][g]);
        }
        EXPECT_LE(steps, 1) << "cell " << k;
        EXPECT_EQ(cellIndexAt(figures[k].x, figures[k].y), k);
        EXPECT_EQ(figures[k].segments,
                  expectedSegments(genome.cellPos[k], figures[k].x, figures[k].y))
            << "cell " << k;
        EXPECT_EQ(figures[k].number, k == 0 ? "" : text(" ", k));
        segments += figures[k].segments.size();
    }
    EXPECT_EQ(blackLines(rig.picture().picture()).size(), segments) << "a fresh grid";
}

// The genes printed on each full-screen page (layout A: position after the gene name).
std::vector<GeneSet> printedGenes(const RecordingPrinterPage& printer) {
    std::vector<GeneSet> pages(1);
    int gene = 0;
    for (const auto& item : printer.items) {
        if (item.kind == RecordingPrinterPage::Item::Kind::Text && item.lineEnd &&
            item.text.find(",  ") != std::string::npos) {
            pages.back()[gene++] = static_cast<std::int16_t>(std::stoi(item.text));
        }
        if (item.kind == RecordingPrinterPage::Item::Kind::EndDoc) {
            pages.emplace_back();
            gene = 0;
        }
    }
    pages.pop_back();
    return pages;
}

// Full screen: a pause after each figure, or with Auto-Print a page with the genes it was drawn
// with. The review prints as the last Draw Mutations run read the box, whatever the box says now.
struct PrintRun {
    std::string screen;
    bool autoPrint;
};

void PrintTo(const PrintRun& r, std::ostream* os) {
    *os << r.screen << (r.autoPrint ? ", Auto-Print" : ", pauses");
}

class FullScreenPrintTest : public ::testing::TestWithParam<PrintRun> {};

TEST_P(FullScreenPrintTest, PausesOrPrintsEachFigureWithItsGenes) {
    const auto& [screen, autoPrint] = GetParam();
    LogicRig rig;
    rig.controls.autoPrintBox = autoPrint;
    rig.platform.random.queueDraws(5);
    if (screen == "review") {
        cmdZELMdraw_Click(rig.state, rig.services); // in the grid: nothing printed
        rig.controls.autoPrintBox = !autoPrint;
    }
    rig.state.screen.gridFlag[0] = 1;
    const auto press = screen == "mutations"   ? cmdZELMdraw_Click
                       : screen == "relatives" ? cmdZELRdraw_Click
                                               : cmdZELMrep_Click;
    press(rig.state, rig.services);
    const GenomeState& genome = rig.state.genome;
    const int figures = screen == "relatives" ? 17 : 25;
    EXPECT_TRUE(rig.picture().picture().empty());
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, autoPrint ? 0 : figures);
    const auto pages = printedGenes(rig.platform.printer);
    ASSERT_EQ(pages.size(), autoPrint ? static_cast<std::size_t>(figures) : 0U);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        GeneSet expected = genome.cellPos[i];
        if (screen == "relatives") {
            expected = genome.centralPos;
            if (i > 0) {
                expected[(i - 1) / 2] = clampPos(expected[(i - 1) / 2], i % 2 == 1 ? 1 : -1);
            }
        }
        EXPECT_EQ(pages[i], expected) << "figure " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, FullScreenPrintTest,
                         ::testing::Values(PrintRun{"mutations", false},
                                           PrintRun{"mutations", true},
                                           PrintRun{"relatives", false},
                                           PrintRun{"relatives", true}, PrintRun{"review", false},
                                           PrintRun{"review", true}));

TEST(ReviewTest, RedrawsTheChainWithoutRandomNumbersLabelledByCell) {
    LogicRig rig;
    rig.platform.random.queueDraws(21);
    cmdZELMdraw_Click(rig.state, rig.services);
    const auto drawn = drawnFigures(rig.picture().picture());
    const MutantTable table = rig.state.genome.cellPos;
    rig.setEditor(table[3]);
    cmdZELMrep_Click(rig.state, rig.services);
    EXPECT_EQ(rig.controls.shownGenes(), table[0]);
    EXPECT_EQ(rig.state.genome.genePos, table[24]);
    EXPECT_EQ(rig.platform.random.draws, 48);
    const auto reviewed = drawnFigures(rig.picture().picture());
    ASSERT_EQ(reviewed.size(), 25U);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(reviewed[k].segments, drawn[k].segments) << "cell " << k;
        EXPECT_EQ(reviewed[k].x, drawn[k].x);
        EXPECT_EQ(reviewed[k].label, k == 0 ? "Orig." : text("V ", k));
        EXPECT_EQ(reviewed[k].number, "");
    }
    // A loaded table is drawn as stored, its central figure from centralPos.
    rig.state.genome.centralPos = {2, 2, 2, 2, 2, 2, 2, 2};
    cmdZELMrep_Click(rig.state, rig.services);
    EXPECT_EQ(drawnFigures(rig.picture().picture())[0].segments,
              expectedSegments(rig.state.genome.centralPos, 100, 900));
}

// ---------------------------------------------------------------- the hit test and picking

struct HitCase {
    float x;
    float y;
    int column; // -1: no cell
    int row;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << "(" << c.x << ", " << c.y << ")";
}

class HitCellTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitCellTest, RoundsHalvesToEvenBeforeDividing) {
    const HitCase& c = GetParam();
    for (const bool swapped : {false, true}) {
        const auto cell = swapped ? hitCell(c.y, c.x) : hitCell(c.x, c.y);
        ASSERT_EQ(cell.has_value(), c.column >= 0);
        if (cell) {
            EXPECT_EQ(swapped ? cell->row : cell->column, c.column);
            EXPECT_EQ(swapped ? cell->column : cell->row, c.row);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, HitCellTest,
                         ::testing::Values(HitCase{199.4F, 10, 0, 0}, HitCase{199.5F, 10, 1, 0},
                                           HitCase{200.5F, 10, 1, 0}, HitCase{400.5F, 10, 2, 0},
                                           HitCase{-0.5F, 0, 0, 0}, HitCase{999.4F, 0, 4, 0},
                                           HitCase{999.5F, 0, -1, -1}, HitCase{0, 1000, -1, -1},
                                           HitCase{-0.6F, 500, -1, -1}));

// A frame drawn by a pick: its cell and colour.
struct Frame {
    int column;
    int row;
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
    // Clicks the centre of cell (column, row from the bottom).
    void click(int column, int row, int button = kLeftButton, int shift = 0) {
        selectCell(rig.state, rig.services, button, shift, 200.0F * column + 100,
                   200.0F * row + 100);
    }
    // The frames drawn since the last mark.
    std::vector<Frame> frames() const {
        std::vector<Frame> out;
        const auto& items = rig.pics[0].picture().items();
        for (std::size_t i = mark; i < items.size(); ++i) {
            EXPECT_EQ(items[i].kind, PictureItem::Kind::Rectangle) << "a pick only draws frames";
            EXPECT_EQ(items[i].x2 - items[i].x1, 200.0);
            out.push_back({static_cast<int>(items[i].x1 / 200), static_cast<int>(items[i].y1 / 200),
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
    draw(cmdZELRdraw_Click);

    const auto figures = drawnFigures(rig.picture().picture());
    ASSERT_EQ(figures.size(), 17U);
    EXPECT_EQ(cellIndexAt(figures[0].x, figures[0].y), 12);
    EXPECT_EQ(figures[0].segments, expectedSegments(central, 500, 500));
    static constexpr int kPlusCell[] = {0, 1, 2, 3, 4, 9, 14, 19};
    static constexpr int kMinusCell[] = {24, 23, 22, 21, 20, 15, 10, 5};
    for (int g = 0; g < kGeneCount; ++g) {
        for (int dir : {1, -1}) {
            const DrawnFigure& f = figures[1 + 2 * g + (dir > 0 ? 0 : 1)];
            EXPECT_EQ(f.label, text("G", g + 1, dir > 0 ? " +1" : " -1"));
            EXPECT_EQ(f.number, "") << "relatives carry no number";
            EXPECT_EQ(cellIndexAt(f.x, f.y), dir > 0 ? kPlusCell[g] : kMinusCell[g]);
            GeneSet relative = central;
            relative[g] = clampPos(central[g], dir);
            EXPECT_EQ(f.segments, expectedSegments(relative, f.x, f.y)) << f.label;
        }
    }
    EXPECT_FALSE(rig.state.breeding.sequenceShown);
    EXPECT_TRUE(rig.controls.saveEnabled);
    EXPECT_FALSE(rig.controls.reviewVisible);
    EXPECT_EQ(rig.state.genome.cellPos, table) << "the mutant table is not touched";
    EXPECT_EQ(rig.controls.shownGenes(), central);
    EXPECT_EQ(rig.platform.random.draws, 0);

    for (int k = 0; k < kCellCount; ++k) {
        const int column = k % 5;
        const int row = 4 - k / 5;
        const auto writes = rig.controls.captionWrites;
        click(column, row);
        if (column % 4 != 0 && row % 4 != 0) {
            EXPECT_EQ(rig.controls.captionWrites, writes) << "inner cell " << k;
            continue;
        }
        const int gene = rig.state.relatives.relCell[k][0];
        GeneSet expected = central;
        expected[gene] = clampPos(central[gene], rig.state.relatives.relCell[k][1]);
        EXPECT_EQ(rig.controls.shownGenes(), expected) << "cell " << k;
        EXPECT_EQ(frames().back(), (Frame{column, row, kRed}));
    }
    // Picking gene 7 -1 after gene 3 +1 restores gene 3 first, its value too.
    click(2, 4);
    click(0, 2);
    GeneSet expected = central;
    expected[6] = 4;
    EXPECT_EQ(rig.controls.shownGenes(), expected);
    EXPECT_EQ(rig.controls.values[2], "10");
    EXPECT_EQ(rig.controls.values[6], "0.9");
}

TEST_F(PickTest, APickCoversTheLastFrameAndRightClickRestoresTheCentralFigure) {
    draw(cmdZELMdraw_Click);
    click(2, 2, kRightButton); // nothing to undo yet
    click(1, 3);               // cell 6
    const int writesAfterFirst = rig.controls.captionWrites;
    click(1, 3);
    EXPECT_EQ(rig.controls.captionWrites - writesAfterFirst, 16)
        << "the central genes go back, then the cell's genes come in";
    click(0, 0, kRightButton);
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.centralPos);
    EXPECT_EQ(rig.state.genome.genePos, rig.state.genome.centralPos);
    click(4, 0); // cell 24
    EXPECT_EQ(frames(), (std::vector<Frame>{{1, 3, kRed},
                                            {1, 3, kBlack},
                                            {1, 3, kRed},
                                            {1, 3, kBlack},
                                            {1, 3, kBlack},
                                            {4, 0, kRed}}));
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[24]);
    // After a review the remembered cell is covered first.
    cmdZELMrep_Click(rig.state, rig.services);
    mark = rig.picture().picture().items().size();
    click(0, 4);
    EXPECT_EQ(frames(), (std::vector<Frame>{{4, 0, kBlack}, {0, 4, kRed}}));
    EXPECT_EQ(rig.pics[0].lineWidth(), 1);
    // Every cell of a sequence screen can be picked, the inner ones too.
    for (int k = 0; k < kCellCount; ++k) {
        click(k % 5, 4 - k / 5);
        EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[k]) << "cell " << k;
        EXPECT_EQ(frames().back(), (Frame{k % 5, 4 - k / 5, kRed}));
    }
}

TEST_F(PickTest, ShiftOtherButtonsAndClicksInFullScreenAreIgnored) {
    draw(cmdZELMdraw_Click);
    click(2, 2); // a pick to undo or move
    const struct {
        int button;
        int shift;
        int fullScreen;
    } clicks[] = {{kLeftButton, 1, 0}, {4, 0, 0}, {kLeftButton, 0, 1}, {kRightButton, 0, 1}};
    for (const auto& c : clicks) {
        rig.state.screen.gridFlag[0] = c.fullScreen;
        mark = rig.picture().picture().items().size();
        const auto writes = rig.controls.captionWrites;
        click(4, 4, c.button, c.shift);
        EXPECT_TRUE(frames().empty()) << c.button << " " << c.shift << " " << c.fullScreen;
        EXPECT_EQ(rig.controls.captionWrites, writes);
    }
}

} // namespace
} // namespace vavivor
