#include "core/number_text.h"
#include "printing/graphics_print.h"
#include "printing/print_grid.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>

namespace vavivor {
namespace {

using Item = RecordingPrinterPage::Item;
using Kind = Item::Kind;

// The text of a number item: sign place, digits, blank.
std::string numberItem(int number) {
    std::string text = " ";
    text += std::to_string(number);
    text += ' ';
    return text;
}

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

    std::vector<Item> texts() {
        std::vector<Item> out;
        for (const Item& item : items()) {
            if (item.kind == Kind::Text) {
                out.push_back(item);
            }
        }
        return out;
    }

    // The text items printed at y, in order.
    std::vector<Item> line(double y) {
        std::vector<Item> out;
        for (const Item& item : texts()) {
            if (item.y == y) {
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

class GraphicsPrintHeadTest : public GraphicsPrintTest,
                              public ::testing::WithParamInterface<HeadCase> {};

TEST_P(GraphicsPrintHeadTest, TitleDatePictureAndHeadingStandInTheirPlaces) {
    const HeadCase& c = GetParam();
    print(c.gridFlag, c.sequenceShown);

    EXPECT_EQ(rig.platform.printer.documents, 1);
    ASSERT_FALSE(items().empty());
    EXPECT_EQ(items().back().kind, Kind::EndDoc);
    EXPECT_EQ(rig.state.print.printFontSize, 12);
    for (const Item& item : items()) {
        EXPECT_EQ(item.fontName, "Arial");
        EXPECT_EQ(item.fontSize, 12);
        EXPECT_TRUE(item.bold);
        EXPECT_EQ(item.page, 1);
        EXPECT_NE(item.kind, Kind::NewPage);
    }

    const std::vector<Item> title = line(1084);
    ASSERT_EQ(title.size(), 2U);
    EXPECT_EQ(title[0].text, "VAVIVOR");
    EXPECT_EQ(title[0].x, 690);
    EXPECT_FALSE(title[0].lineEnd);
    EXPECT_EQ(title[1].text, rig.platform.clock.date);
    EXPECT_EQ(title[1].x, 8280);
    EXPECT_TRUE(title[1].lineEnd);

    int pictures = 0;
    for (const Item& item : items()) {
        if (item.kind == Kind::Picture) {
            ++pictures;
            EXPECT_EQ(item.x, 690);
            EXPECT_EQ(item.y, 1626);
            EXPECT_EQ(item.size, 9840);
            EXPECT_EQ(item.pictureItems, rig.picture().picture().items().size());
        }
    }
    EXPECT_EQ(pictures, 1);

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

TEST_F(GraphicsPrintTest, FullScreenPrintsEightGeneLinesTheFirstBesideGenes) {
    print(1, true);
    const double genesY = kGenesY + kLine12; // the heading, then a bare line end
    const std::vector<Item> first = line(genesY);
    ASSERT_EQ(first.size(), 3U);
    EXPECT_EQ(first[0].text, "GENES:");
    EXPECT_EQ(first[0].x, 690);
    EXPECT_EQ(first[1].text, "1  Iteration depth ");
    EXPECT_EQ(first[1].x, 16 * 115);
    EXPECT_EQ(first[2].text, "3,  5");
    EXPECT_EQ(first[2].x, 38 * 115);
    EXPECT_TRUE(first[2].lineEnd);
    for (int i = 1; i < kGeneCount; ++i) {
        const std::vector<Item> gene = line(genesY + i * kLine12);
        ASSERT_EQ(gene.size(), 2U) << i;
        EXPECT_EQ(gene[0].text, std::to_string(i + 1) + "  " + rig.state.genome.geneName[i]);
        EXPECT_EQ(gene[0].x, 16 * 115);
        EXPECT_EQ(gene[1].text, std::to_string(rig.state.genome.genePos[i]) + ",  " +
                                    singleText(rig.state.genome.geneValue[i]));
        EXPECT_EQ(gene[1].x, 38 * 115);
    }
    EXPECT_EQ(line(genesY + 1 * kLine12)[1].text, "4,  160");
    EXPECT_EQ(line(genesY + 4 * kLine12)[1].text, "7,  0.8");
    EXPECT_TRUE(line(genesY + kGeneCount * kLine12).empty());
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
            EXPECT_EQ(row[j].text, numberItem(rig.state.genome.cellPos[j][g]));
            EXPECT_FALSE(row[j].lineEnd);
        }
    }
    EXPECT_TRUE(line(headerY + 9 * kLine12).empty());
}

TEST_F(GraphicsPrintTest, RelativesGridPrintsTheCentralFigureWithItsOwnValues) {
    print(0, false);
    const std::vector<Item> central = line(kGenesY + 2 * kLine12);
    ASSERT_EQ(central.size(), 1U);
    EXPECT_EQ(central[0].text, "Central Zeloid Genes");
    EXPECT_TRUE(central[0].lineEnd);
    for (int i = 0; i < kGeneCount; ++i) {
        const std::vector<Item> gene = line(kGenesY + (3 + i) * kLine12);
        ASSERT_EQ(gene.size(), 2U) << i;
        EXPECT_EQ(gene[0].x, 16 * 115);
        EXPECT_EQ(gene[1].x, 38 * 115);
        const std::int16_t pos = rig.state.genome.centralPos[i];
        EXPECT_EQ(gene[1].text,
                  std::to_string(pos) + ",  " + singleText(geneValueAt(rig.state.genome, i, pos)));
    }
    EXPECT_EQ(line(kGenesY + 10 * kLine12)[1].text, "2,  0.6");
}

TEST_F(GraphicsPrintTest, PrintingTwiceGivesTheSamePageExceptTheDate) {
    print(1, true);
    rig.platform.clock.date = "Sunday, 6 December 2026";
    print(1, true);
    const auto& all = items();
    ASSERT_EQ(all.size() % 2, 0U);
    const std::size_t half = all.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        EXPECT_EQ(all[i].x, all[half + i].x);
        EXPECT_EQ(all[i].y, all[half + i].y);
        if (all[i].text != "Saturday, 5 December 2026") {
            EXPECT_EQ(all[i].text, all[half + i].text);
        } else {
            EXPECT_EQ(all[half + i].text, "Sunday, 6 December 2026");
        }
    }
}

TEST_F(GraphicsPrintTest, APrinterThatRefusesThePageIsReported) {
    rig.platform.printer.failNextEndDoc = true;
    print(1, true);
    ASSERT_EQ(rig.platform.dialogs.shown.size(), 1U);
    EXPECT_EQ(rig.platform.dialogs.shown[0].title, "VAVIVOR PRINT");
    EXPECT_NE(rig.platform.dialogs.shown[0].text.find("out of paper"), std::string::npos);
}

TEST(PrintGridTest, NumberItemsCarryASignPlaceAndATrailingBlank) {
    struct Case {
        int number;
        const char* text;
    };
    for (const Case& c : {Case{5, " 5 "}, Case{0, " 0 "}, Case{24, " 24 "}, Case{-3, "-3 "},
                          Case{32767, " 32767 "}}) {
        RecordingPrinterPage page;
        printNumber(page, c.number, false);
        ASSERT_EQ(page.items.size(), 1U);
        EXPECT_EQ(page.items[0].text, c.text) << c.number;
    }
}

TEST(PrintGridTest, ColumnsAndRowsAreWholeGridSteps) {
    PrintGrid grid;
    RecordingPrinterPage page;
    for (const auto& [column, row] : {std::pair{0, 0}, {6, 4}, {47, 59}, {72, 43}, {100, 60}}) {
        setPrintColumn(page, grid, column);
        setPrintRow(page, grid, row);
        EXPECT_EQ(page.currentX(), column * 115.0);
        EXPECT_EQ(page.currentY(), row * 271.0);
    }
}

// The print pause and the menu: which dialogs are asked and how many pages come out.
struct FlowCase {
    const char* name;
    bool fromMenu;
    std::int16_t autoPrint;
    std::vector<PrintChoice> choices;
    std::vector<bool> setupAnswers;
    int choicesAsked;
    std::vector<std::string> setupTitles;
    int documents;
};

class PrintFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(PrintFlowTest, AsksAndPrintsAsChosen) {
    const FlowCase& c = GetParam();
    LogicRig rig;
    rig.state.breeding.autoPrint = c.autoPrint;
    rig.platform.printDialogs.choices.assign(c.choices.begin(), c.choices.end());
    rig.platform.printDialogs.setupAnswers.assign(c.setupAnswers.begin(), c.setupAnswers.end());
    if (c.fromMenu) {
        mnuZELprint_Click(rig.state, rig.services);
    } else {
        printPause(rig.state, rig.services);
    }
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, c.choicesAsked);
    EXPECT_EQ(rig.platform.printDialogs.setupTitles, c.setupTitles);
    EXPECT_EQ(rig.platform.printer.documents, c.documents);
    if (c.documents == 0) {
        EXPECT_TRUE(rig.platform.printer.items.empty());
    }
    EXPECT_TRUE(rig.platform.dialogs.shown.empty());
    EXPECT_TRUE(rig.controls.statusLines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PrintFlowTest,
    ::testing::Values(
        FlowCase{"AutoPrintPrintsWithoutAsking", false, 1, {}, {}, 0, {}, 1},
        FlowCase{"Continue", false, 0, {PrintChoice::Continue}, {}, 1, {}, 0},
        FlowCase{"Print", false, 0, {PrintChoice::Print}, {true}, 1, {"VAVIVOR PRINT"}, 1},
        FlowCase{
            "PrintThenCancel", false, 0, {PrintChoice::Print}, {false}, 1, {"VAVIVOR PRINT"}, 0},
        FlowCase{"Menu", true, 0, {}, {true}, 0, {"VAVIVOR: GRAPHICS PRINT"}, 1},
        FlowCase{"MenuCancelled", true, 1, {}, {false}, 0, {"VAVIVOR: GRAPHICS PRINT"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintPauseTest, AutoPrintGivesOnePagePerFigureAndNeverAsks) {
    LogicRig rig;
    rig.state.breeding.autoPrint = 1;
    for (int figure = 0; figure < 5; ++figure) {
        printPause(rig.state, rig.services);
    }
    EXPECT_EQ(rig.platform.printer.documents, 5);
    EXPECT_EQ(rig.platform.printDialogs.choicesAsked, 0);
    EXPECT_TRUE(rig.platform.printDialogs.setupTitles.empty());
}

} // namespace
} // namespace vavivor
