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

// Each layout: date, picture and heading, then a label and the eight gene lines (number and
// name, then position and value). Full screen shows the figure's genes, the first line
// beside "GENES:" (headed "Mutated Zeloid" after DRAW MUTATIONS, which the first-hour test prints);
// the relatives grid shows the central figure's genes below "Central Zeloid Genes"; the mutation
// grid has its own table.
struct LayoutCase {
    const char* name;
    std::int16_t gridFlag;
    bool sequenceShown;
    const char* heading;
    const char* label;
    int labelLine; // lines below the heading
    int geneLine;  // 0: no gene lines
    std::vector<std::string> values;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<std::string> kFigureValues{"3,  5",   "4,  160", "5,  10",  "6,  30",
                                             "7,  0.8", "8,  1.3", "9,  1.4", "1,  0.4"};
const std::vector<std::string> kCentralValues{"5,  7",   "5,  200", "5,  10", "5,  10",
                                              "5,  0.6", "5,  1",   "5,  1",  "2,  0.6"};

class GraphicsPrintLayoutTest : public GraphicsPrintTest,
                                public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(GraphicsPrintLayoutTest, EverythingStandsInItsPlace) {
    const LayoutCase& c = GetParam();
    print(c.gridFlag, c.sequenceShown);
    const auto picture = std::find_if(items().begin(), items().end(),
                                      [](const Item& item) { return item.kind == Kind::Picture; });
    ASSERT_NE(picture, items().end());
    EXPECT_EQ(picture->pictureItems, rig.picture().picture().items().size());
    ASSERT_EQ(line(1084).size(), 2U);
    EXPECT_EQ(line(1084)[1].text, rig.platform.clock.date);
    ASSERT_FALSE(line(kGenesY).empty());
    EXPECT_EQ(line(kGenesY)[0].text, c.heading);
    const std::vector<Item> label = line(kGenesY + c.labelLine * kLine12);
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(label[0].text, c.label);
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        std::vector<Item> gene = line(kGenesY + (c.geneLine + i) * kLine12);
        ASSERT_GE(gene.size(), 2U) << i;
        gene.erase(gene.begin(), gene.end() - 2); // after "GENES:"
        EXPECT_TRUE(gene[0].text.starts_with(std::to_string(i + 1) + "  ")) << gene[0].text;
        EXPECT_EQ(gene[1].text, c.values[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GraphicsPrintLayoutTest,
    ::testing::Values(
        LayoutCase{"FullScreenRelative", 1, false, "Zeloid, single gene change", "GENES:", 1, 1,
                   kFigureValues},
        LayoutCase{"MutationGrid", 0, true, "Sequence of mutations", "GENES: Or. 1", 2, 3, {}},
        LayoutCase{"RelativesGrid", 0, false, "Whole set of single gene changes",
                   "Central Zeloid Genes", 2, 3, kCentralValues}),
    [](const auto& info) { return std::string(info.param.name); });

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
