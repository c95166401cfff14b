#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "core/random_source.h"
#include "support/drawn_figures.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vavivor {
namespace {

// The parts written one after the other.
template <typename... Parts> std::string cat(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

// Draws for `count` mutants from a fixed generator, two per mutant.
std::deque<double> someDraws(unsigned seed, int count = 24) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::deque<double> numbers;
    for (int i = 0; i < 2 * count; ++i) {
        numbers.push_back(uniform(engine));
    }
    return numbers;
}

void setEditor(LogicRig& rig, const GeneSet& genes) {
    for (int g = 0; g < kGeneCount; ++g) {
        rig.controls.setGeneCaption(g, std::to_string(genes[g]));
    }
}

// Number of genes in which a and b differ, and the largest difference.
std::pair<int, int> difference(const GeneSet& a, const GeneSet& b) {
    int genes = 0;
    int largest = 0;
    for (int g = 0; g < kGeneCount; ++g) {
        const int d = std::abs(a[g] - b[g]);
        genes += d != 0 ? 1 : 0;
        largest = std::max(largest, d);
    }
    return {genes, largest};
}

// The genes printed on each full-screen page (layout A: position after the gene name).
std::vector<GeneSet> printedGenes(const RecordingPrinterPage& printer) {
    std::vector<GeneSet> pages;
    GeneSet genes{};
    int gene = 0;
    for (const auto& item : printer.items) {
        if (item.kind == RecordingPrinterPage::Item::Kind::Text && item.lineEnd &&
            item.text.find(",  ") != std::string::npos) {
            genes[gene++] = static_cast<std::int16_t>(std::stoi(item.text));
        }
        if (item.kind == RecordingPrinterPage::Item::Kind::EndDoc) {
            pages.push_back(genes);
            gene = 0;
        }
    }
    return pages;
}

// ---------------------------------------------------------------- the mutation generator

struct MutantCase {
    double geneDraw;
    double directionDraw;
    int gene;
    int step;
    const char* label;
};

// Readable test names (and no bytes of padding or pointers in them).
void PrintTo(const MutantCase& c, std::ostream* os) {
    *os << "gene " << c.geneDraw << ", step " << c.directionDraw;
}

class MakeMutantTest : public ::testing::TestWithParam<MutantCase> {};

TEST_P(MakeMutantTest, GeneFromTheFirstDrawDirectionFromTheSecond) {
    const MutantCase& c = GetParam();
    LogicRig rig;
    GenomeState& genome = rig.state.genome;
    genome.centralPos = genome.genePos = startGenes();
    resetMutantTable(genome);
    rig.platform.random.numbers = {c.geneDraw, c.directionDraw};

    EXPECT_EQ(makeMutant(genome, rig.platform.random, 7), c.label);
    EXPECT_EQ(rig.platform.random.draws, 2);
    GeneSet expected = startGenes();
    expected[c.gene] = static_cast<std::int16_t>(5 + c.step);
    EXPECT_EQ(genome.genePos, expected);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(genome.cellPos[k], k < 7 ? startGenes() : expected) << "row " << k;
    }
    EXPECT_EQ(genome.geneValue[c.gene], geneValueAt(genome, c.gene, expected[c.gene]));
    EXPECT_EQ(genome.mainAngle, genome.geneValue[1]);
    EXPECT_EQ(genome.lengthRatio, genome.geneValue[4]);
}

INSTANTIATE_TEST_SUITE_P(Draws, MakeMutantTest,
                         ::testing::Values(MutantCase{0.0, 0.0, 0, -1, "G1 -1"},
                                           MutantCase{0.124999, 0.499999, 0, -1, "G1 -1"},
                                           MutantCase{0.125, 0.5, 1, 1, "G2 1"},
                                           MutantCase{0.49, 0.51, 3, 1, "G4 1"},
                                           MutantCase{0.5, 0.2, 4, -1, "G5 -1"},
                                           MutantCase{0.999999, 0.999999, 7, 1, "G8 1"}));

TEST(MutationChainTest, EachMutantExtendsTheChainByAtMostOneStep) {
    for (unsigned seed : {1U, 2U, 3U, 4U, 5U}) {
        LogicRig rig;
        GenomeState& genome = rig.state.genome;
        genome.centralPos = genome.genePos = GeneSet{1, 9, 5, 2, 8, 5, 1, 9};
        resetMutantTable(genome);
        rig.platform.random.numbers = someDraws(seed);
        for (int k = 1; k < kCellCount; ++k) {
            makeMutant(genome, rig.platform.random, k);
            ASSERT_EQ(rig.platform.random.draws, 2 * k);
            for (int m = k; m < kCellCount; ++m) {
                ASSERT_EQ(genome.cellPos[m], genome.genePos) << "seed " << seed << " k " << k;
            }
            const auto [genes, largest] = difference(genome.cellPos[k], genome.cellPos[k - 1]);
            ASSERT_LE(genes, 1);
            ASSERT_LE(largest, 1);
            ASSERT_EQ(genome.cellPos[0], genome.centralPos);
        }
    }
}

TEST(MutationChainTest, AtTheBoundsNothingChangesButTheLabelNamesTheAttempt) {
    LogicRig rig;
    const GeneSet nines{9, 9, 9, 9, 9, 9, 9, 9};
    setEditor(rig, nines);
    for (int k = 0; k < 24; ++k) {
        rig.platform.random.numbers.push_back((k % 8 + 0.5) / 8.0);
        rig.platform.random.numbers.push_back(0.75);
    }
    cmdZELMdraw_Click(rig.state, rig.services);

    const auto figures = drawnFigures(rig.picture().picture());
    ASSERT_EQ(figures.size(), 25U);
    const auto central = expectedSegments(nines, 100, 900);
    for (int k = 1; k < kCellCount; ++k) {
        EXPECT_EQ(rig.state.genome.cellPos[k], nines);
        EXPECT_EQ(figures[k].label, cat("G", (k - 1) % 8 + 1, " 1"));
        EXPECT_EQ(figures[k].segments.size(), central.size());
    }

    // And from the lower bound downwards.
    LogicRig low;
    setEditor(low, GeneSet{1, 1, 1, 1, 1, 1, 1, 1});
    low.platform.random.numbers = {0.3, 0.1};
    cmdZELMdraw_Click(low.state, low.services);
    EXPECT_EQ(drawnFigures(low.picture().picture())[1].label, "G3 -1");
    EXPECT_EQ(low.state.genome.cellPos[24], (GeneSet{1, 1, 1, 1, 1, 1, 1, 1}));
}

// ---------------------------------------------------------------- Draw Mutations

TEST(DrawMutationsTest, GridShowsTheCentralFigureAndTheNumberedChain) {
    LogicRig rig;
    const GeneSet central{4, 6, 3, 7, 5, 4, 6, 5};
    setEditor(rig, central);
    rig.controls.autoPrintBox = true;
    rig.controls.recordLabelsVisible = true;
    rig.platform.random.numbers = someDraws(11);
    rig.state.selection.noSelection = false;
    cmdZELMdraw_Click(rig.state, rig.services);

    const GenomeState& genome = rig.state.genome;
    EXPECT_EQ(genome.centralPos, central);
    EXPECT_EQ(genome.cellPos[0], central);
    EXPECT_EQ(genome.genePos, genome.cellPos[24]);
    EXPECT_EQ(rig.controls.shownGenes(), central) << "the editor keeps the central figure";
    EXPECT_EQ(rig.platform.random.reseeds, 1);
    EXPECT_EQ(rig.platform.random.draws, 48);
    EXPECT_EQ(rig.state.breeding.autoPrint, 1);
    EXPECT_TRUE(rig.state.breeding.sequenceShown);
    EXPECT_TRUE(rig.state.selection.noSelection);
    EXPECT_TRUE(rig.controls.saveEnabled);
    EXPECT_TRUE(rig.controls.reviewVisible);
    EXPECT_FALSE(rig.controls.recordLabelsVisible);
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 0) << "no pause in the grid layout";
    EXPECT_EQ(rig.platform.printer.documents, 0);

    const Picture& picture = rig.picture().picture();
    const auto figures = drawnFigures(picture);
    ASSERT_EQ(figures.size(), 25U);
    EXPECT_EQ(figures[0].label, "Orig.");
    EXPECT_EQ(figures[0].number, "");
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(cellIndexAt(figures[k].x, figures[k].y), k);
        EXPECT_EQ(figures[k].segments,
                  expectedSegments(genome.cellPos[k], figures[k].x, figures[k].y))
            << "cell " << k;
        if (k > 0) {
            EXPECT_EQ(figures[k].number, cat(" ", k));
            EXPECT_EQ(figures[k].label.substr(0, 1), "G");
        }
    }
    // The grid comes first: eight lines two pixels wide.
    int gridLines = 0;
    for (const auto& item : picture.items()) {
        gridLines += item.kind == PictureItem::Kind::Line && item.lineWidth == 2 ? 1 : 0;
    }
    EXPECT_EQ(gridLines, 8);
    EXPECT_EQ(rig.picture().lineWidth(), 1);
}

TEST(DrawMutationsTest, EachRunReseedsSoTwoRunsDiffer) {
    LogicRig rig;
    TwisterRandom random;
    Services services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs,
                                       rig.platform.printer, rig.platform.help, random,
                                       rig.platform.clock},
                      rig.controls};
    cmdZELMdraw_Click(rig.state, services);
    const MutantTable first = rig.state.genome.cellPos;
    const auto firstSeed = random.lastSeed();
    cmdZELMdraw_Click(rig.state, services);
    EXPECT_NE(random.lastSeed(), firstSeed);
    EXPECT_NE(rig.state.genome.cellPos, first);

    // A fixed seed repeats its chain.
    random.useSeed(42);
    cmdZELMdraw_Click(rig.state, services);
    const MutantTable seeded = rig.state.genome.cellPos;
    random.useSeed(42);
    cmdZELMdraw_Click(rig.state, services);
    EXPECT_EQ(rig.state.genome.cellPos, seeded);
}

struct FullScreenCase {
    const char* screen;
    bool autoPrint;
    int figures;
};

void PrintTo(const FullScreenCase& c, std::ostream* os) {
    *os << c.screen << (c.autoPrint ? ", Auto-Print" : ", pauses");
}

class FullScreenTest : public ::testing::TestWithParam<FullScreenCase> {
protected:
    void run(LogicRig& rig) {
        const std::string screen = GetParam().screen;
        if (screen == "mutations") {
            cmdZELMdraw_Click(rig.state, rig.services);
        } else if (screen == "relatives") {
            cmdZELRdraw_Click(rig.state, rig.services);
        } else {
            rig.state.genome.centralPos = {3, 3, 3, 3, 3, 3, 3, 3};
            for (int k = 0; k < kCellCount; ++k) {
                rig.state.genome.cellPos[k].fill(static_cast<std::int16_t>(1 + k % 9));
            }
            rig.state.genome.cellPos[0] = rig.state.genome.centralPos;
            rig.state.breeding.autoPrint = GetParam().autoPrint ? 1 : 0;
            cmdZELMrep_Click(rig.state, rig.services);
        }
    }
};

TEST_P(FullScreenTest, PausesAfterEveryFigureAndLeavesThePictureEmpty) {
    const FullScreenCase& c = GetParam();
    LogicRig rig;
    rig.state.screen.gridFlag[0] = 1;
    rig.controls.autoPrintBox = c.autoPrint;
    rig.platform.random.numbers = someDraws(5);
    run(rig);

    EXPECT_TRUE(rig.picture().picture().empty());
    if (!c.autoPrint) {
        EXPECT_EQ(rig.platform.printDialogs.choicesAsked, c.figures);
        EXPECT_EQ(rig.platform.printer.documents, 0);
        return;
    }
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 0);
    ASSERT_EQ(rig.platform.printer.documents, c.figures);
    // Each page shows one figure and the genes it was drawn with.
    const auto pages = printedGenes(rig.platform.printer);
    ASSERT_EQ(static_cast<int>(pages.size()), c.figures);
    const GenomeState& genome = rig.state.genome;
    for (int i = 0; i < c.figures; ++i) {
        GeneSet expected = genome.cellPos[i];
        if (std::string(c.screen) == "relatives") {
            expected = genome.centralPos;
            if (i > 0) {
                const int g = (i - 1) / 2;
                expected[g] = clampPos(expected[g], i % 2 == 1 ? 1 : -1);
            }
        }
        EXPECT_EQ(pages[i], expected) << "figure " << i;
    }
    for (const auto& item : rig.platform.printer.items) {
        if (item.kind == RecordingPrinterPage::Item::Kind::Picture) {
            EXPECT_GT(item.pictureItems, 0U) << "a page without its figure";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FullScreenTest,
    ::testing::Values(FullScreenCase{"mutations", false, 25}, FullScreenCase{"mutations", true, 25},
                      FullScreenCase{"relatives", false, 17}, FullScreenCase{"relatives", true, 17},
                      FullScreenCase{"review", false, 25}, FullScreenCase{"review", true, 25}));

TEST(DrawMutationsTest, FullScreenFillsTheSameTableAsTheGrid) {
    LogicRig grid;
    LogicRig full;
    full.state.screen.gridFlag[0] = 1;
    for (LogicRig* rig : {&grid, &full}) {
        setEditor(*rig, GeneSet{2, 8, 4, 6, 3, 7, 5, 5});
        rig->platform.random.numbers = someDraws(9);
        cmdZELMdraw_Click(rig->state, rig->services);
    }
    EXPECT_EQ(full.state.genome.cellPos, grid.state.genome.cellPos);
    EXPECT_EQ(full.state.genome.genePos, grid.state.genome.genePos);
}

// ---------------------------------------------------------------- Draw Relatives

TEST(DrawRelativesTest, EachGeneStepsUpAlongTheTopAndRightAndDownOpposite) {
    LogicRig rig;
    const GeneSet central{9, 1, 5, 5, 5, 5, 5, 1};
    setEditor(rig, central);
    rig.state.genome.cellPos[3] = GeneSet{7, 7, 7, 7, 7, 7, 7, 7};
    const MutantTable table = rig.state.genome.cellPos;
    rig.controls.reviewVisible = true;
    cmdZELRdraw_Click(rig.state, rig.services);

    const auto figures = drawnFigures(rig.picture().picture());
    ASSERT_EQ(figures.size(), 17U);
    EXPECT_EQ(figures[0].label, "Orig.");
    EXPECT_EQ(cellIndexAt(figures[0].x, figures[0].y), 12);
    EXPECT_EQ(figures[0].segments, expectedSegments(central, 500, 500));
    static constexpr int kPlusCell[] = {0, 1, 2, 3, 4, 9, 14, 19};
    static constexpr int kMinusCell[] = {24, 23, 22, 21, 20, 15, 10, 5};
    for (int g = 0; g < kGeneCount; ++g) {
        for (int side = 0; side < 2; ++side) {
            const DrawnFigure& f = figures[1 + 2 * g + side];
            const int dir = side == 0 ? 1 : -1;
            EXPECT_EQ(f.label, cat("G", g + 1, dir > 0 ? " +1" : " -1"));
            EXPECT_EQ(f.number, "") << "relatives carry no number";
            EXPECT_EQ(cellIndexAt(f.x, f.y), side == 0 ? kPlusCell[g] : kMinusCell[g]);
            GeneSet relative = central;
            relative[g] = clampPos(central[g], dir);
            EXPECT_EQ(f.segments, expectedSegments(relative, f.x, f.y)) << f.label;
        }
    }
    // A gene at a bound still draws its relative: the same figure as the centre.
    EXPECT_EQ(figures[1].segments.size(), expectedSegments(central, 0, 0).size());

    const GenomeState& genome = rig.state.genome;
    EXPECT_FALSE(rig.state.breeding.sequenceShown);
    EXPECT_TRUE(rig.state.selection.noSelection);
    EXPECT_TRUE(rig.controls.saveEnabled);
    EXPECT_FALSE(rig.controls.reviewVisible);
    EXPECT_EQ(genome.cellPos, table) << "the mutant table is not touched";
    EXPECT_EQ(genome.centralPos, central);
    EXPECT_EQ(rig.controls.shownGenes(), central);
    GeneSet last = central;
    last[7] = clampPos(central[7], -1);
    EXPECT_EQ(genome.genePos, last);
    EXPECT_EQ(genome.geneValue[7], geneValueAt(genome, 7, last[7]));
    EXPECT_EQ(rig.platform.random.draws, 0);
}

TEST(StepGeneTest, MatchesChangingThePositionAndConvertingAll) {
    for (int gene = -1; gene < kGeneCount; ++gene) {
        for (int dir : {1, -1}) {
            GenomeState genome;
            fillGeneTable(genome);
            genome.genePos = GeneSet{1, 9, 2, 8, 3, 7, 4, 6};
            stepGene(genome, gene, dir);

            GenomeState expected;
            fillGeneTable(expected);
            expected.genePos = GeneSet{1, 9, 2, 8, 3, 7, 4, 6};
            if (gene >= 0) {
                expected.genePos[gene] = clampPos(expected.genePos[gene], dir);
            }
            positionsToValues(expected);
            EXPECT_EQ(genome.genePos, expected.genePos);
            EXPECT_EQ(genome.geneValue, expected.geneValue);
            EXPECT_EQ(genome.mainAngle, expected.mainAngle);
            EXPECT_EQ(genome.lengthRatio, expected.lengthRatio);
        }
    }
}

// ---------------------------------------------------------------- Review

TEST(ReviewTest, RedrawsTheChainWithoutRandomNumbersLabelledByCell) {
    LogicRig rig;
    setEditor(rig, GeneSet{3, 5, 7, 5, 3, 5, 7, 5});
    rig.platform.random.numbers = someDraws(21);
    cmdZELMdraw_Click(rig.state, rig.services);
    const auto drawn = drawnFigures(rig.picture().picture());
    const MutantTable table = rig.state.genome.cellPos;

    // A pick is undone by the review.
    selectCell(rig.state, rig.services, kLeftButton, 0, 500, 500);
    ASSERT_NE(rig.controls.shownGenes(), rig.state.genome.centralPos);
    rig.controls.autoPrintBox = true;
    const int draws = rig.platform.random.draws;
    cmdZELMrep_Click(rig.state, rig.services);
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.centralPos);
    EXPECT_EQ(rig.platform.random.draws, draws);
    EXPECT_EQ(rig.platform.random.reseeds, 1);
    EXPECT_EQ(rig.state.breeding.autoPrint, 0) << "the review does not read the box";
    EXPECT_FALSE(rig.state.selection.noSelection) << "the pick stays remembered";

    const auto reviewed = drawnFigures(rig.picture().picture());
    ASSERT_EQ(reviewed.size(), 25U);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(reviewed[k].segments, drawn[k].segments) << "cell " << k;
        EXPECT_EQ(reviewed[k].x, drawn[k].x);
        EXPECT_EQ(reviewed[k].y, drawn[k].y);
        EXPECT_EQ(reviewed[k].label, k == 0 ? "Orig." : cat("V ", k));
        EXPECT_EQ(reviewed[k].number, "");
    }
    EXPECT_EQ(rig.state.genome.cellPos, table);
    EXPECT_EQ(rig.state.genome.genePos, table[24]);
    EXPECT_TRUE(rig.state.breeding.sequenceShown);

    // Twice gives the same screen.
    const auto before = rig.picture().picture().items().size();
    cmdZELMrep_Click(rig.state, rig.services);
    EXPECT_EQ(rig.picture().picture().items().size(), before);
    const auto again = drawnFigures(rig.picture().picture());
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(again[k].segments, reviewed[k].segments);
    }
}

TEST(ReviewTest, FollowsTheLayoutInForceAndDrawsRowsAsStored) {
    LogicRig rig;
    rig.platform.random.numbers = someDraws(3);
    cmdZELMdraw_Click(rig.state, rig.services);
    rig.state.screen.gridFlag[0] = 1;
    cmdZELMrep_Click(rig.state, rig.services);
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 25);

    // A loaded record: rows as stored, the central figure from centralPos.
    LogicRig loaded;
    loaded.state.genome.centralPos = {2, 2, 2, 2, 2, 2, 2, 2};
    for (int k = 0; k < kCellCount; ++k) {
        loaded.state.genome.cellPos[k].fill(static_cast<std::int16_t>(1 + k % 9));
    }
    cmdZELMrep_Click(loaded.state, loaded.services);
    const auto figures = drawnFigures(loaded.picture().picture());
    ASSERT_EQ(figures.size(), 25U);
    EXPECT_EQ(figures[0].segments, expectedSegments(loaded.state.genome.centralPos, 100, 900));
    EXPECT_EQ(figures[10].segments,
              expectedSegments(loaded.state.genome.cellPos[10], figures[10].x, figures[10].y));
}

} // namespace
} // namespace vavivor
