#include "core/gene_text.h"
#include "core/genome.h"
#include "core/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace vavivor {
namespace {

TEST(GenomeTest, StartAndEndPositionsGiveTheDocumentedValues) {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos = startGenes();
    positionsToValues(genome);
    EXPECT_EQ(genome.mainAngle, 200.0F);
    EXPECT_EQ(genome.lengthRatio, 0.6F);
    const char* start[] = {"7", "200", "10", "10", "0.6", "1", "1", "1.2"};
    const char* low[] = {"3", "40", "-70", "-70", "0.2", "0.6", "0.6", "0.4"};
    const char* high[] = {"11", "360", "90", "90", "1", "1.4", "1.4", "2"};
    for (int i = 0; i < kGeneCount; ++i) {
        EXPECT_EQ(singleText(genome.geneValue[i]), start[i]) << "gene " << i + 1;
        EXPECT_EQ(singleText(geneValueAt(genome, i, 1)), low[i]) << "gene " << i + 1;
        EXPECT_EQ(singleText(geneValueAt(genome, i, 9)), high[i]) << "gene " << i + 1;
    }
    // The value is rounded to single precision from a double-precision product and sum.
    EXPECT_EQ(geneValueAt(genome, 4, 5), static_cast<float>(5.0 * double(0.1F) + double(0.1F)));
}

TEST(GenomeTest, GeneListsAreRefusedUnlessEightPositionsOneToNine) {
    EXPECT_EQ(parseGeneList("1,2,3,4,5,6,7,9"), (GeneSet{1, 2, 3, 4, 5, 6, 7, 9}));
    for (const char* bad :
         {"", "5,5,5,5,5,5,5", "5,5,5,5,5,5,5,5,5", "0,5,5,5,5,5,5,5", "10,5,5,5,5,5,5,5",
          "5,5,5,5,5,5,5,x", "5,5,5,5,5,5,5,5,", "4.5,5,5,5,5,5,5,5"}) {
        EXPECT_FALSE(parseGeneList(bad)) << bad;
    }
}

// The copied form reads back; the plain lists read with blanks and a line end around them;
// everything else is refused with its reason.
TEST(GeneTextTest, ReadsItsOwnFormAndPlainListsAndSaysWhyItRefusesTheRest) {
    const GeneSet genes{9, 1, 5, 5, 7, 5, 5, 4};
    EXPECT_EQ(geneText(genes), "Vavivor genes: 9 1 5 5 7 5 5 4");
    for (const std::string& good :
         {geneText(genes), std::string("9,1,5,5,7,5,5,4"), std::string(" 9 1 5 5\t7 5 5 4\r\n"),
          std::string("vavivor GENES:9, 1 ,5,5,7,5,5,4")}) {
        const GeneTextRead read = readGeneText(good);
        EXPECT_EQ(read.genes, genes) << good << ": " << read.error;
    }
    const std::pair<const char*, const char*> refused[] = {
        {" \n", "it is empty"},
        {"5 5 5 5\n5 5 5 5", "it has more than one line"},
        {"5,5,5,,5,5,5,5,5", "a comma stands where a number belongs"},
        {"5,5,5,5,5,5,5,5,", "it ends with a comma"},
        {"5 5 5 5 5 5 5 +5", "\"+5\" is not a whole number"},
        {"5 5 5 5 5 5 5", "it holds 7 numbers, not 8"},
        {"5 5 0 5 5 5 5 5", "gene 3 is \"0\", not a position from 1 to 9"},
        {"5 5 5 5 5 5 5 99999999999", "gene 8 is \"99999999999\", not a position from 1 to 9"},
    };
    for (const auto& [text, reason] : refused) {
        const GeneTextRead read = readGeneText(text);
        EXPECT_FALSE(read.genes) << text;
        EXPECT_EQ(read.error, reason) << text;
    }
    EXPECT_EQ(readGeneText("5 5 5 5 5 5 5 9", 8).error,
              "gene 8 is \"9\", not a position from 1 to 8");
}

TEST(NumberTextTest, RoundsHalvesToEvenAndWritesAtMostSevenDigits) {
    for (const auto& [value, expected] :
         {std::pair{0.5, 0.0}, std::pair{1.5, 2.0}, std::pair{-2.5, -2.0}, std::pair{2.6, 3.0}}) {
        EXPECT_EQ(roundHalfEven(value), expected) << value;
    }
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.6) || toInt16(-32769.0) || toInt16(std::nan("")));
    EXPECT_EQ(singleText(-90.0F), "-90");
    EXPECT_EQ(singleText(1.0F / 3.0F), "0.3333333");
    EXPECT_EQ(singleText(-0.0F), "0");
}

} // namespace
} // namespace vavivor
