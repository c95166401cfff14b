#include "printing/graphics_print.h"
#include "support/logic_rig.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

using Item = RecordingPrinterPage::Item;
using Kind = Item::Kind;

constexpr double kLine12 = RecordingPrinterPage::lineHeight(12);
constexpr double kGenesY = 43 * 271.0;

class GraphicsPrintTest : public ::testing::Test {
protected:
    GraphicsPrintTest() {
        rig.state.genome.genePos = {3, 4, 5, 6, 7, 8, 9, 1};
        positionsToValues(rig.state.genome);
        rig.state.genome.centralPos = {5, 5, 5, 5, 5, 5, 5, 2};
        for (int j = 0; j < kCellCount; ++j) {
            for (int g = 0; g < kGeneCount; ++g) {
                rig.state.genome.cellPos[j][g] = static_cast<std::int16_t>(1 + (j + g) % 9);
            }
        }
        rig.picture().line(0, 0, 1000, 1000, kBlack);
    }

    void print(std::int16_t gridFlag, bool sequenceShown) {
        rig.state.screen.gridFlag[rig.state.screen.curPic] = gridFlag;
        rig.state.breeding.sequenceShown = sequenceShown;
        graphicsPrint(rig.state, rig.services);
    }

    const std::vector<Item>& items() { return rig.platform.printer.items; }

    // The text items printed at y, in order.
    std::vector<Item> line(double y) {
        std::vector<Item> out;
        for (const Item& item : items()) {
            if (item.kind == Kind::Text && item.y == y) {
                out.push_back(item);
            }
        }
        return out;
    }

    LogicRig rig;
};

// The relatives grid: date, picture and heading, then the central figure's genes below
// "Central Zeloid Genes", number and name, then position and value. The full-screen page is read
// back from its PDF in the first-hour test.
TEST_F(GraphicsPrintTest, RelativesGridPrintsTheCentralFiguresGenes) {
    print(0, false);
    const auto picture = std::find_if(items().begin(), items().end(),
                                      [](const Item& item) { return item.kind == Kind::Picture; });
    ASSERT_NE(picture, items().end());
    EXPECT_EQ(picture->pictureItems, rig.picture().picture().items().size());
    EXPECT_EQ(line(1084).at(1).text, rig.platform.clock.date);
    EXPECT_EQ(line(kGenesY).at(0).text, "Whole set of single gene changes");
    EXPECT_EQ(line(kGenesY + 2 * kLine12).at(0).text, "Central Zeloid Genes");
    const char* values[] = {"5,  7",   "5,  200", "5,  10", "5,  10",
                            "5,  0.6", "5,  1",   "5,  1",  "2,  0.6"};
    for (int i = 0; i < kGeneCount; ++i) {
        const std::vector<Item> gene = line(kGenesY + (3 + i) * kLine12);
        ASSERT_GE(gene.size(), 2U) << i;
        EXPECT_TRUE(gene[gene.size() - 2].text.starts_with(std::to_string(i + 1) + "  "));
        EXPECT_EQ(gene.back().text, values[i]);
    }
}

TEST_F(GraphicsPrintTest, MutationGridPrintsOneColumnPerCellAndARefusedPageIsReported) {
    rig.platform.printer.failingEndDocs = 1;
    print(0, true);
    const double headerY = kGenesY + 2 * kLine12;
    ASSERT_EQ(line(headerY).size(), 24U); // "GENES: Or. 1", then the cells from 2
    for (int g = 0; g < kGeneCount; ++g) {
        const std::vector<Item> row = line(headerY + (g + 1) * kLine12);
        ASSERT_EQ(row.size(), 25U) << g;
        for (int j = 0; j < kCellCount; ++j) {
            std::string number(1, ' '); // sign place, digits, blank
            number += std::to_string(rig.state.genome.cellPos[j][g]) + " ";
            EXPECT_EQ(row[j].text, number);
        }
    }
    EXPECT_EQ(rig.platform.dialogs.messages(),
              std::vector<std::string>{"The page was not printed: the printer is out of paper"});
}

} // namespace
} // namespace vavivor
