#include "core/gene_editor.h"
#include "core/genome.h"
#include "core/number_text.h"
#include "support/fake_controls.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace vavivor {
namespace {

GenomeState filledGenome() {
    GenomeState genome;
    fillGeneTable(genome);
    return genome;
}

struct ClampCase {
    std::int16_t position;
    int step;
    std::int16_t expected;
};

class ClampPosTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampPosTest, LimitsTheSumToOneThroughNine) {
    const ClampCase c = GetParam();
    EXPECT_EQ(clampPos(c.position, c.step), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ClampPosTest,
                         ::testing::Values(ClampCase{9, 1, 9}, ClampCase{1, -1, 1},
                                           ClampCase{5, 7, 9}, ClampCase{4, -6, 1},
                                           ClampCase{3, 0, 3}, ClampCase{8, 1, 9},
                                           ClampCase{2, -1, 1}));

TEST(GenomeTest, StartPositionGivesTheDocumentedValues) {
    GenomeState genome = filledGenome();
    genome.genePos = startGenes();
    positionsToValues(genome);
    const GeneValues expected{7.0F, 200.0F, 10.0F, 10.0F, 0.6F, 1.0F, 1.0F, 1.2F};
    EXPECT_EQ(genome.geneValue, expected);
    EXPECT_EQ(genome.mainAngle, 200.0F);
    EXPECT_EQ(genome.lengthRatio, 0.6F);
    const char* shown[] = {"7", "200", "10", "10", "0.6", "1", "1", "1.2"};
    for (int i = 0; i < kGeneCount; ++i) {
        EXPECT_EQ(singleText(genome.geneValue[i]), shown[i]) << "gene " << i + 1;
    }
}

TEST(GenomeTest, ValuesAtTheEndsOfEveryGene) {
    const GenomeState genome = filledGenome();
    const std::map<int, std::pair<std::string, std::string>> ends{
        {0, {"3", "11"}},  {1, {"40", "360"}},  {2, {"-70", "90"}},  {3, {"-70", "90"}},
        {4, {"0.2", "1"}}, {5, {"0.6", "1.4"}}, {6, {"0.6", "1.4"}}, {7, {"0.4", "2"}},
    };
    for (const auto& [gene, texts] : ends) {
        EXPECT_EQ(singleText(geneValueAt(genome, gene, 1)), texts.first) << "gene " << gene + 1;
        EXPECT_EQ(singleText(geneValueAt(genome, gene, 9)), texts.second) << "gene " << gene + 1;
    }
    // The value is rounded to single precision from a double-precision product and sum.
    EXPECT_EQ(geneValueAt(genome, 4, 5), static_cast<float>(5.0 * double(0.1F) + double(0.1F)));
}

TEST(GenomeTest, NamesKeepTheirTrailingBlank) {
    const GenomeState genome = filledGenome();
    EXPECT_EQ(genome.geneName[0], "Iteration depth ");
    EXPECT_EQ(genome.geneName[7], "Aspect ratio ");
}

TEST(GenomeTest, GeneListsAreRefusedUnlessEightPositionsOneToNine) {
    EXPECT_EQ(parseGeneList("5,5,5,5,5,5,5,5"), startGenes());
    EXPECT_EQ(parseGeneList("1,2,3,4,5,6,7,9"), (GeneSet{1, 2, 3, 4, 5, 6, 7, 9}));
    for (const char* bad :
         {"", "5,5,5,5,5,5,5", "5,5,5,5,5,5,5,5,5", "0,5,5,5,5,5,5,5", "10,5,5,5,5,5,5,5",
          "5,5,5,5,5,5,5,x", "5,5,5,5,5,5,5,5,", "5;5;5;5;5;5;5;5", "-1,5,5,5,5,5,5,5",
          "4.5,5,5,5,5,5,5,5", "99999999999,5,5,5,5,5,5,5"}) {
        EXPECT_FALSE(parseGeneList(bad)) << bad;
    }
}

TEST(GenomeTest, ValidPositionsAreWholeNumbersOneToNine) {
    EXPECT_TRUE(isValidPosition(1.0));
    EXPECT_TRUE(isValidPosition(9.0));
    for (double bad :
         {0.0, 10.0, 4.5, 1e9, -1.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(isValidPosition(bad)) << bad;
    }
}

TEST(NumberTextTest, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.6), 3.0);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.6));
    EXPECT_FALSE(toInt16(-32769.0));
    EXPECT_FALSE(toInt16(std::nan("")));
}

TEST(NumberTextTest, SingleTextHasAtMostSevenDigits) {
    EXPECT_EQ(singleText(0.6F), "0.6");
    EXPECT_EQ(singleText(-90.0F), "-90");
    EXPECT_EQ(singleText(1.0F / 3.0F), "0.3333333");
    EXPECT_EQ(singleText(0.0F), "0");
    EXPECT_EQ(singleText(-0.0F), "0");
}

TEST(NumberTextTest, CaptionsReadAsRoundedNumbersAndTextAsZero) {
    EXPECT_EQ(captionNumber("7"), 7);
    EXPECT_EQ(captionNumber(" 5"), 5);
    EXPECT_EQ(captionNumber("4.5"), 4);
    EXPECT_EQ(captionNumber("abc"), 0);
    EXPECT_EQ(captionNumber(""), 0);
}

TEST(GeneEditorTest, ChangeHandlerStaysQuietUntilStartUpHasFinished) {
    GenomeState genome = filledGenome();
    FakeControls editor(genome);
    fillEditor(genome, editor);
    EXPECT_EQ(editor.positions[4], "5");
    EXPECT_EQ(editor.values[4], "0.6");
    EXPECT_EQ(editor.names[1], "Main angle ");

    editor.setGeneCaption(1, "9");
    EXPECT_EQ(editor.values[1], "200") << "before start-up has finished";
    genome.editorReady = true;
    editor.setGeneCaption(1, "9");
    EXPECT_EQ(editor.values[1], "360");
}

TEST(GeneEditorTest, ReadEditorAndShowCentralMoveGenesBothWays) {
    GenomeState genome = filledGenome();
    genome.editorReady = true;
    FakeControls editor(genome);
    fillEditor(genome, editor);
    editor.setGeneCaption(2, "8");
    readEditor(genome, editor);
    EXPECT_EQ(genome.genePos, (GeneSet{5, 5, 8, 5, 5, 5, 5, 5}));
    EXPECT_EQ(genome.centralPos, genome.genePos);

    genome.genePos[0] = 1;
    editor.setGeneCaption(0, "1");
    showCentral(genome, editor);
    EXPECT_EQ(genome.genePos[0], 5);
    EXPECT_EQ(editor.positions[0], "5");
    EXPECT_EQ(editor.values[0], "7");
}

} // namespace
} // namespace vavivor
