#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "support/drawn_figures.h"
#include "support/logic_rig.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vavivor {
namespace {

// ---------------------------------------------------------------- the hit test

struct HitCase {
    float x;
    float y;
    int column; // -1: no cell
    int row;
};

// Readable test names (and no bytes of padding in them).
void PrintTo(const HitCase& c, std::ostream* os) {
    *os << "(" << c.x << ", " << c.y << ")";
}

class HitCellTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitCellTest, RoundsHalvesToEvenBeforeDividing) {
    const HitCase& c = GetParam();
    const auto cell = hitCell(c.x, c.y);
    if (c.column < 0) {
        EXPECT_FALSE(cell) << c.x << ", " << c.y;
        return;
    }
    ASSERT_TRUE(cell) << c.x << ", " << c.y;
    EXPECT_EQ(cell->column, c.column);
    EXPECT_EQ(cell->row, c.row);
    // The same along the other axis.
    const auto swapped = hitCell(c.y, c.x);
    ASSERT_TRUE(swapped);
    EXPECT_EQ(swapped->column, c.row);
    EXPECT_EQ(swapped->row, c.column);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, HitCellTest,
                         ::testing::Values(HitCase{199.4F, 10, 0, 0}, HitCase{199.5F, 10, 1, 0},
                                           HitCase{199.6F, 10, 1, 0}, HitCase{200.5F, 10, 1, 0},
                                           HitCase{400.5F, 10, 2, 0}, HitCase{399.5F, 10, 2, 0},
                                           HitCase{0, 0, 0, 0}, HitCase{-0.5F, 0, 0, 0},
                                           HitCase{998.5F, 998.5F, 4, 4}, HitCase{999.4F, 0, 4, 0},
                                           HitCase{999.5F, 0, -1, -1}, HitCase{0, 999.5F, -1, -1},
                                           HitCase{0, 1000, -1, -1}, HitCase{1000, 1000, -1, -1},
                                           HitCase{-0.6F, 500, -1, -1},
                                           HitCase{500, 1500, -1, -1}));

// ---------------------------------------------------------------- picking

// The rectangles drawn since `from`: corners and colour.
struct Frame {
    double x1, y1, x2, y2;
    Colour colour;
    bool operator==(const Frame&) const = default;
};

std::vector<Frame> framesSince(const Picture& picture, std::size_t from) {
    std::vector<Frame> frames;
    for (std::size_t i = from; i < picture.items().size(); ++i) {
        const PictureItem& item = picture.items()[i];
        EXPECT_EQ(item.kind, PictureItem::Kind::Rectangle) << "a pick only draws frames";
        frames.push_back({item.x1, item.y1, item.x2, item.y2, item.colour});
    }
    return frames;
}

Frame frameOf(int column, int row, Colour colour) {
    return {200.0 * column, 200.0 * row, 200.0 * (column + 1), 200.0 * (row + 1), colour};
}

// The centre of cell (column, row from the bottom) in user units.
float centreX(int column) {
    return 200.0F * column + 100.0F;
}
float centreY(int row) {
    return 200.0F * row + 100.0F;
}

class PickTest : public ::testing::Test {
protected:
    void drawMutations() {
        for (int k = 0; k < 24; ++k) {
            rig.platform.random.numbers.push_back((k % 8 + 0.5) / 8.0);
            rig.platform.random.numbers.push_back(k % 3 == 0 ? 0.25 : 0.75);
        }
        cmdZELMdraw_Click(rig.state, rig.services);
        mark = rig.picture().picture().items().size();
    }
    void drawRelatives() {
        cmdZELRdraw_Click(rig.state, rig.services);
        mark = rig.picture().picture().items().size();
    }
    void click(int button, int shift, float x, float y) {
        selectCell(rig.state, rig.services, button, shift, x, y);
    }
    std::vector<Frame> frames() const { return framesSince(rig.pics[0].picture(), mark); }

    LogicRig rig;
    std::size_t mark = 0;
};

TEST_F(PickTest, EveryCellOfASequenceScreenCanBePicked) {
    drawMutations();
    for (int k = 0; k < kCellCount; ++k) {
        const int column = k % 5;
        const int row = 4 - k / 5;
        click(kLeftButton, 0, centreX(column), centreY(row));
        EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[k]) << "cell " << k;
        EXPECT_EQ(rig.state.genome.genePos, rig.state.genome.cellPos[k]);
        EXPECT_FALSE(rig.state.selection.noSelection);
        EXPECT_EQ(rig.state.selection.selCol, column);
        EXPECT_EQ(rig.state.selection.selRow, row);
        ASSERT_FALSE(frames().empty());
        EXPECT_EQ(frames().back(), frameOf(column, row, kRed));
    }
    EXPECT_EQ(rig.state.genome.centralPos, rig.state.genome.cellPos[0]) << "a pick is no draw";
}

TEST_F(PickTest, OnTheRelativesScreenOnlyTheBorderCanBePicked) {
    const GeneSet central{5, 9, 1, 5, 5, 5, 5, 5};
    for (int g = 0; g < kGeneCount; ++g) {
        rig.controls.setGeneCaption(g, std::to_string(central[g]));
    }
    drawRelatives();
    for (int k = 0; k < kCellCount; ++k) {
        const int column = k % 5;
        const int row = 4 - k / 5;
        const bool border = column == 0 || column == 4 || row == 0 || row == 4;
        const auto writes = rig.controls.captionWrites;
        click(kLeftButton, 0, centreX(column), centreY(row));
        if (!border) {
            EXPECT_EQ(rig.controls.captionWrites, writes) << "inner cell " << k;
            continue;
        }
        const int gene = rig.state.relatives.relCell[k][0];
        const int dir = rig.state.relatives.relCell[k][1];
        GeneSet expected = central;
        expected[gene] = clampPos(central[gene], dir);
        EXPECT_EQ(rig.controls.shownGenes(), expected) << "cell " << k << ": one gene only";
        EXPECT_EQ(frames().back(), frameOf(column, row, kRed));
    }
}

TEST_F(PickTest, ASecondPickCoversTheFirstFrameAndRestoresTheEditorFirst) {
    drawMutations();
    click(kLeftButton, 0, centreX(1), centreY(3)); // cell 6
    const int writesAfterFirst = rig.controls.captionWrites;
    click(kLeftButton, 0, centreX(1), centreY(3)); // the same cell again
    EXPECT_EQ(frames(), (std::vector<Frame>{frameOf(1, 3, kRed), frameOf(1, 3, kBlack),
                                            frameOf(1, 3, kRed)}));
    EXPECT_EQ(rig.controls.captionWrites - writesAfterFirst, 16)
        << "the central genes go back, then the cell's genes come in";
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[6]);

    click(kLeftButton, 0, centreX(4), centreY(0)); // cell 24
    EXPECT_EQ(frames().size(), 5U);
    EXPECT_EQ(frames()[3], frameOf(1, 3, kBlack));
    EXPECT_EQ(frames()[4], frameOf(4, 0, kRed));
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[24]);
    EXPECT_EQ(rig.pics[0].lineWidth(), 1);
}

TEST_F(PickTest, PickingAnotherRelativeUndoesTheFirstChange) {
    drawRelatives();
    click(kLeftButton, 0, centreX(1), centreY(4)); // gene 2 +1
    click(kLeftButton, 0, centreX(0), centreY(2)); // gene 7 -1
    GeneSet expected = startGenes();
    expected[6] = 4;
    EXPECT_EQ(rig.controls.shownGenes(), expected);
    EXPECT_EQ(rig.controls.values[1], "200") << "the value display follows the restore";
    EXPECT_EQ(rig.controls.values[6], "0.9");
}

TEST_F(PickTest, RightClickRestoresTheCentralFigureAndKeepsThePick) {
    drawMutations();
    click(kRightButton, 0, centreX(2), centreY(2));
    EXPECT_TRUE(frames().empty()) << "nothing to undo before a pick";

    click(kLeftButton, 0, centreX(3), centreY(1)); // cell 18
    click(kRightButton, 0, 10, 10);
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.centralPos);
    EXPECT_EQ(rig.state.genome.genePos, rig.state.genome.centralPos);
    EXPECT_FALSE(rig.state.selection.noSelection);
    click(kRightButton, 0, 10, 10);
    click(kLeftButton, 0, centreX(0), centreY(4));
    EXPECT_EQ(frames(),
              (std::vector<Frame>{frameOf(3, 1, kRed), frameOf(3, 1, kBlack), frameOf(3, 1, kBlack),
                                  frameOf(3, 1, kBlack), frameOf(0, 4, kRed)}));
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[0]);
}

struct IgnoredClick {
    int button;
    int shift;
    const char* why;
};

void PrintTo(const IgnoredClick& c, std::ostream* os) {
    *os << c.why;
}

class IgnoredClickTest : public PickTest, public ::testing::WithParamInterface<IgnoredClick> {};

TEST_P(IgnoredClickTest, DoesNothing) {
    drawMutations();
    click(kLeftButton, 0, centreX(2), centreY(2)); // a pick to undo or move
    mark = rig.picture().picture().items().size();
    const GeneSet shown = rig.controls.shownGenes();
    const auto writes = rig.controls.captionWrites;
    click(GetParam().button, GetParam().shift, centreX(4), centreY(4));
    EXPECT_TRUE(frames().empty()) << GetParam().why;
    EXPECT_EQ(rig.controls.captionWrites, writes) << GetParam().why;
    EXPECT_EQ(rig.controls.shownGenes(), shown);
    EXPECT_EQ(rig.state.selection.selCol, 2);
    EXPECT_EQ(rig.state.selection.selRow, 2);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, IgnoredClickTest,
                         ::testing::Values(IgnoredClick{kLeftButton, 1, "Shift"},
                                           IgnoredClick{kLeftButton, 2, "Ctrl"},
                                           IgnoredClick{kLeftButton, 4, "Alt"},
                                           IgnoredClick{kLeftButton, 3, "Shift+Ctrl"},
                                           IgnoredClick{kRightButton, 1, "Shift, right"},
                                           IgnoredClick{kRightButton, 2, "Ctrl, right"},
                                           IgnoredClick{kRightButton, 4, "Alt, right"},
                                           IgnoredClick{4, 0, "middle button"}));

TEST_F(PickTest, ClicksOutsideTheGridSelectNothing) {
    drawMutations();
    click(kLeftButton, 0, 500, 1000);
    click(kLeftButton, 0, 999.5F, 500);
    EXPECT_TRUE(frames().empty());
    EXPECT_TRUE(rig.state.selection.noSelection);
}

TEST_F(PickTest, FullScreenLayoutIgnoresClicks) {
    drawMutations();
    click(kLeftButton, 0, centreX(1), centreY(1));
    rig.state.screen.gridFlag[0] = 1;
    mark = rig.picture().picture().items().size();
    const auto writes = rig.controls.captionWrites;
    click(kLeftButton, 0, centreX(2), centreY(2));
    click(kRightButton, 0, centreX(2), centreY(2));
    EXPECT_TRUE(frames().empty());
    EXPECT_EQ(rig.controls.captionWrites, writes);
}

TEST_F(PickTest, AfterAReviewTheRememberedCellIsCoveredFirst) {
    drawMutations();
    click(kLeftButton, 0, centreX(4), centreY(4)); // cell 4
    cmdZELMrep_Click(rig.state, rig.services);
    mark = rig.picture().picture().items().size();
    click(kLeftButton, 0, centreX(0), centreY(0)); // cell 20
    EXPECT_EQ(frames(), (std::vector<Frame>{frameOf(4, 4, kBlack), frameOf(0, 0, kRed)}));
    EXPECT_EQ(rig.controls.shownGenes(), rig.state.genome.cellPos[20]);
}

} // namespace
} // namespace vavivor
