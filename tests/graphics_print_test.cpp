#include "printing/graphics_print.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>

namespace vavivor {
namespace {

using Item = RecordingPrinterPage::Item;
using Kind = Item::Kind;

// Lines of the recording page are points x 23 twips high.
constexpr double kLine12 = 12 * 23.0;
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

struct HeadCase {
    const char* name;
    std::int16_t gridFlag;
    bool sequenceShown;
    const char* heading;
};

void PrintTo(const HeadCase& c, std::ostream* os) {
    *os << c.name;
}

class GraphicsPrintHeadTest : public GraphicsPrintTest,
                              public ::testing::WithParamInterface<HeadCase> {};

TEST_P(GraphicsPrintHeadTest, TitleDatePictureAndHeadingStandInTheirPlaces) {
    const HeadCase& c = GetParam();
    print(c.gridFlag, c.sequenceShown);
    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_EQ(items().back().kind, Kind::EndDoc);
    int pictures = 0;
    for (const Item& item : items()) {
        EXPECT_EQ(item.fontName, "Arial");
        EXPECT_EQ(item.fontSize, 12);
        EXPECT_TRUE(item.bold);
        EXPECT_EQ(item.page, 1);
        if (item.kind == Kind::Picture) {
            ++pictures;
            EXPECT_EQ(item.x, 690);
            EXPECT_EQ(item.y, 1626);
            EXPECT_EQ(item.size, 9840);
            EXPECT_EQ(item.pictureItems, rig.picture().picture().items().size());
        }
    }
    EXPECT_EQ(pictures, 1);
    const std::vector<Item> title = line(1084);
    ASSERT_EQ(title.size(), 2U);
    EXPECT_EQ(title[0].text, "VAVIVOR");
    EXPECT_EQ(title[0].x, 690);
    EXPECT_EQ(title[1].text, rig.platform.clock.date);
    EXPECT_EQ(title[1].x, 8280);
    EXPECT_TRUE(title[1].lineEnd);
    const std::vector<Item> heading = line(kGenesY);
    ASSERT_FALSE(heading.empty());
    EXPECT_EQ(heading[0].text, c.heading);
    EXPECT_EQ(heading[0].x, 690);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GraphicsPrintHeadTest,
    ::testing::Values(HeadCase{"FullScreenMutant", 1, true, "Mutated Zeloid"},
                      HeadCase{"FullScreenRelative", 1, false, "Zeloid, single gene change"},
                      HeadCase{"MutationGrid", 0, true, "Sequence of mutations"},
                      HeadCase{"RelativesGrid", 0, false, "Whole set of single gene changes"}),
    [](const auto& info) { return std::string(info.param.name); });

// The eight gene lines below the heading: number and name at column 16, position and value
// at column 38. Full screen shows the figure's genes, the first line beside "GENES:"; the
// relatives grid shows the central figure's genes below "Central Zeloid Genes".
TEST_F(GraphicsPrintTest, GeneLinesShowThePrintedFiguresPositionsAndValues) {
    const auto expectGenes = [this](double y, const std::vector<std::string>& values) {
        for (int i = 0; i < kGeneCount; ++i) {
            std::vector<Item> gene = line(y + i * kLine12);
            ASSERT_GE(gene.size(), 2U) << i;
            gene.erase(gene.begin(), gene.end() - 2); // after "GENES:"
            EXPECT_EQ(gene[0].text.substr(0, 3), std::to_string(i + 1) + "  ");
            EXPECT_EQ(gene[0].x, 16 * 115);
            EXPECT_EQ(gene[1].text, values[i]);
            EXPECT_EQ(gene[1].x, 38 * 115);
        }
        EXPECT_TRUE(line(y + kGeneCount * kLine12).empty());
    };
    print(1, true);
    const double fullY = kGenesY + kLine12; // the heading, then a bare line end
    EXPECT_EQ(line(fullY)[0].text, "GENES:");
    EXPECT_EQ(line(fullY)[0].x, 690);
    EXPECT_EQ(line(fullY + 7 * kLine12)[0].text, "8  Aspect ratio ");
    expectGenes(fullY, {"3,  5", "4,  160", "5,  10", "6,  30", "7,  0.8", "8,  1.3", "9,  1.4",
                        "1,  0.4"});
    rig.platform.printer.items.clear();
    print(0, false);
    ASSERT_EQ(line(kGenesY + 2 * kLine12).size(), 1U);
    EXPECT_EQ(line(kGenesY + 2 * kLine12)[0].text, "Central Zeloid Genes");
    expectGenes(kGenesY + 3 * kLine12,
                {"5,  7", "5,  200", "5,  10", "5,  10", "5,  0.6", "5,  1", "5,  1", "2,  0.6"});
}

TEST_F(GraphicsPrintTest, MutationGridPrintsAHeaderAndOneColumnPerCell) {
    print(0, true);
    const double headerY = kGenesY + 2 * kLine12;
    const std::vector<Item> header = line(headerY);
    ASSERT_EQ(header.size(), 24U);
    EXPECT_EQ(header[0].text, "GENES: Or. 1");
    EXPECT_EQ(header[0].x, 690);
    for (int j = 2; j < kCellCount; ++j) {
        EXPECT_EQ(header[j - 1].text, std::to_string(j));
        EXPECT_EQ(header[j - 1].x, (15 + 3 * j) * 115);
    }
    for (int g = 0; g < kGeneCount; ++g) {
        const std::vector<Item> row = line(headerY + (g + 1) * kLine12);
        ASSERT_EQ(row.size(), 25U) << g;
        for (int j = 0; j < kCellCount; ++j) {
            EXPECT_EQ(row[j].x, (15 + 3 * j) * 115);
            std::string number(1, ' '); // sign place, digits, blank
            number += std::to_string(rig.state.genome.cellPos[j][g]) + " ";
            EXPECT_EQ(row[j].text, number);
        }
    }
    EXPECT_TRUE(line(headerY + 9 * kLine12).empty());
}

TEST_F(GraphicsPrintTest, APrinterThatRefusesThePageIsReported) {
    rig.platform.printer.failNextEndDoc = true;
    print(1, true);
    ASSERT_EQ(rig.platform.dialogs.shown.size(), 1U);
    EXPECT_EQ(rig.platform.dialogs.shown[0].title, "VAVIVOR PRINT");
    EXPECT_NE(rig.platform.dialogs.shown[0].text.find("out of paper"), std::string::npos);
}

// The print pause and the menu: which dialogs are asked and how many pages come out.
struct FlowCase {
    const char* name;
    bool fromMenu;
    std::int16_t autoPrint;
    PrintChoice choice;
    bool setupOk;
    int choicesAsked;
    const char* setupTitle; // empty: no printer set-up asked
    int documents;
};

void PrintTo(const FlowCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(PrintFlowTest, AsksAndPrintsAsChosen) {
    const FlowCase& c = GetParam();
    LogicRig rig;
    rig.state.breeding.autoPrint = c.autoPrint;
    rig.platform.printDialogs.choices = {c.choice};
    rig.platform.printDialogs.setupAnswers = {c.setupOk};
    if (c.fromMenu) {
        mnuZELprint_Click(rig.state, rig.services);
    } else {
        printPause(rig.state, rig.services);
    }
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, c.choicesAsked);
    EXPECT_EQ(rig.platform.printDialogs.setupTitles,
              *c.setupTitle ? std::vector<std::string>{c.setupTitle} : std::vector<std::string>{});
    EXPECT_EQ(rig.platform.printer.documents, c.documents);
    EXPECT_EQ(rig.platform.printer.items.empty(), c.documents == 0);
    EXPECT_TRUE(rig.platform.dialogs.shown.empty());
}

using enum PrintChoice;

INSTANTIATE_TEST_SUITE_P(
    Choices, PrintFlowTest,
    ::testing::Values(FlowCase{"AutoPrintPrintsWithoutAsking", false, 1, Print, false, 0, "", 1},
                      FlowCase{"Continue", false, 0, Continue, true, 1, "", 0},
                      FlowCase{"Print", false, 0, Print, true, 1, "VAVIVOR PRINT", 1},
                      FlowCase{"PrintThenCancel", false, 0, Print, false, 1, "VAVIVOR PRINT", 0},
                      FlowCase{"Menu", true, 0, Continue, true, 0, "VAVIVOR: GRAPHICS PRINT", 1},
                      FlowCase{"MenuCancelled", true, 1, Continue, false, 0,
                               "VAVIVOR: GRAPHICS PRINT", 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vavivor
