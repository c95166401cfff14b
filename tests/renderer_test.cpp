#include "core/picture.h"
#include "core/renderer.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <utility>
#include <vector>

namespace vavivor {
namespace {

struct Segment {
    double x1, y1, x2, y2;

    double length() const { return std::hypot(x2 - x1, y2 - y1); }
    // Direction in degrees from the downward direction, 0..360.
    double direction() const {
        const double d = std::atan2(x2 - x1, -(y2 - y1)) * 180.0 / std::numbers::pi;
        return d < 0 ? d + 360.0 : d;
    }
};

std::vector<Segment> blackLines(const Picture& picture) {
    std::vector<Segment> lines;
    for (const auto& item : picture.items()) {
        if (item.kind == PictureItem::Kind::Line && item.colour == kBlack) {
            lines.push_back({item.x1, item.y1, item.x2, item.y2});
        }
    }
    return lines;
}

struct Extent {
    double minX, maxX, minY, maxY;
};

Extent extentOf(const std::vector<Segment>& lines) {
    Extent e{1e9, -1e9, 1e9, -1e9};
    for (const auto& s : lines) {
        e.minX = std::min({e.minX, s.x1, s.x2});
        e.maxX = std::max({e.maxX, s.x1, s.x2});
        e.minY = std::min({e.minY, s.y1, s.y2});
        e.maxY = std::max({e.maxY, s.y1, s.y2});
    }
    return e;
}

GeneValues valuesOf(const GeneSet& positions) {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos = positions;
    positionsToValues(genome);
    return genome.geneValue;
}

class RendererTest : public ::testing::Test {
protected:
    RendererTest() { surface.setScale(0, kPicScale, kPicScale, 0); }

    std::vector<Segment> drawGridCell(const GeneSet& genes, double x = 100, double y = 900,
                                      int number = 0) {
        drawCell(renderer, surface, valuesOf(genes), x, y, kCellRefLength, kStartAngle, kCellSize,
                 number, "Orig.");
        return blackLines(surface.picture());
    }

    RendererState renderer;
    RecordingSurface surface;
};

TEST_F(RendererTest, StartFigureFillsNineTenthsOfTheCell) {
    const auto lines = drawGridCell(startGenes());
    ASSERT_EQ(lines.size(), 127U);
    const Extent e = extentOf(lines);
    EXPECT_NEAR(std::max(e.maxX - e.minX, e.maxY - e.minY), 180.0, 1e-3);
    // Centred vertically on the cell centre, and the trunk stands on its vertical line.
    EXPECT_NEAR((e.maxY + e.minY) / 2, 900.0, 1e-3);
    EXPECT_NEAR(lines[0].x1, 100.0, 1e-9);
    EXPECT_NEAR(lines[0].x2, 100.0, 1e-9);
}

TEST_F(RendererTest, FullScreenFigureFillsNineTenthsOfTheArea) {
    drawCell(renderer, surface, valuesOf(startGenes()), 500, 500, kFullRefLength, kStartAngle,
             kPicScale, 0, "Orig.");
    const Extent e = extentOf(blackLines(surface.picture()));
    EXPECT_NEAR(std::max(e.maxX - e.minX, e.maxY - e.minY), 900.0, 1e-2);
}

TEST_F(RendererTest, DepthThreeDrawsTrunkThenPlusBranchThenMinusBranch) {
    // Aspect ratio 1 (gene 8 at 4), so directions can be read off the drawing.
    const auto s = drawGridCell({1, 5, 5, 5, 5, 5, 5, 4});
    ASSERT_EQ(s.size(), 7U);
    EXPECT_NEAR(s[0].direction(), 180.0, 1e-9);
    // The plus branch with both its children comes before the minus branch.
    EXPECT_DOUBLE_EQ(s[1].x1, s[0].x2);
    EXPECT_DOUBLE_EQ(s[2].x1, s[1].x2);
    EXPECT_DOUBLE_EQ(s[3].x1, s[1].x2);
    EXPECT_DOUBLE_EQ(s[4].x1, s[0].x2);
    EXPECT_DOUBLE_EQ(s[5].x1, s[4].x2);
    EXPECT_NEAR(s[1].direction(), std::fmod(180.0 + 200.0, 360.0), 1e-6);
    EXPECT_NEAR(s[4].direction(), 340.0, 1e-6);
    // The minus branch mirrors the plus branch about the trunk, the plus-plus segment
    // mirroring the minus-minus one.
    for (const auto& [plus, minus] : {std::pair{1, 4}, std::pair{2, 6}, std::pair{3, 5}}) {
        EXPECT_NEAR(s[plus].x2 - 100.0, 100.0 - s[minus].x2, 1e-6);
        EXPECT_NEAR(s[plus].y2, s[minus].y2, 1e-6);
    }
}

TEST_F(RendererTest, DeepestFigureIsWidthLimitedAndSymmetric) {
    const auto lines = drawGridCell({9, 9, 9, 9, 9, 9, 9, 9}, 300, 900);
    ASSERT_EQ(lines.size(), 2047U);
    const Extent e = extentOf(lines);
    EXPECT_NEAR(e.minX, 210.0, 1e-3);
    EXPECT_NEAR(e.maxX, 390.0, 1e-3);
    EXPECT_NEAR(e.maxY - e.minY, 62.0, 1.0);
    EXPECT_NEAR((e.maxY + e.minY) / 2, 900.0, 1e-3);
}

TEST_F(RendererTest, MainAngle360IsNotTheTrunkRule) {
    // The trunk's children point at 540 and -180: straight up, but not equal to 180.
    const auto s = drawGridCell({1, 9, 5, 5, 5, 5, 5, 4});
    ASSERT_EQ(s.size(), 7U);
    EXPECT_NEAR(s[1].x2 - s[1].x1, 0.0, 1e-9);
    // Under the trunk rule the grandchildren would turn by 360 and stay vertical; under the
    // side rule they turn by 360 + 10.
    EXPECT_NEAR(s[2].direction(), 190.0, 1e-6);
    EXPECT_NEAR(s[3].direction(), 170.0, 1e-6);
}

TEST_F(RendererTest, BranchReturningToStraightUpSplitsLikeTheTrunk) {
    // Main angle 40, 'Up' angle -50, 'Down' angle 10, aspect 1, unequal factors: the branch
    // trunk -> plus (220) -> minus (170) -> minus comes back to exactly 180.
    const auto s = drawGridCell({3, 1, 2, 5, 5, 9, 1, 4});
    ASSERT_EQ(s.size(), 31U);
    const Segment& back = s[13];
    EXPECT_NEAR(back.direction(), 180.0, 1e-9);
    EXPECT_DOUBLE_EQ(s[14].x1, back.x2);
    EXPECT_NEAR(s[14].direction(), 220.0, 1e-9);
    EXPECT_NEAR(s[15].direction(), 140.0, 1e-9);
    // Length ratio only: no 'Up' or 'Down' factor.
    EXPECT_NEAR(s[14].length(), back.length() * 0.6F, 1e-9);
    EXPECT_NEAR(s[15].length(), back.length() * 0.6F, 1e-9);
}

TEST(SegmentEndTest, AspectRatioDividesOnlyTheVerticalStep) {
    GeneValues genes{};
    const double pi = RendererState{}.piValue;
    genes[7] = 2.0F;
    Point p = segmentEnd(genes, pi, 0, 0, 10, 180);
    EXPECT_NEAR(p.x, 0.0, 1e-12);
    EXPECT_NEAR(p.y, 5.0, 1e-12);
    genes[7] = 1.0F;
    EXPECT_NEAR(segmentEnd(genes, pi, 0, 0, 10, 180).y, 10.0, 1e-12);
    for (float aspect : {0.4F, 1.0F, 2.0F}) {
        genes[7] = aspect;
        p = segmentEnd(genes, pi, 0, 0, 10, 90);
        EXPECT_NEAR(p.x, 10.0, 1e-12);
        EXPECT_NEAR(p.y, 0.0, 1e-12);
    }
    // The step is divided, not the position: from a point off the axis too.
    genes[7] = 2.0F;
    EXPECT_NEAR(segmentEnd(genes, pi, 3, 40, 10, 180).y, 45.0, 1e-12);
}

TEST_F(RendererTest, LabelAndNumberStandInTheCellCorners) {
    drawGridCell(startGenes(), 300, 700, 7);
    const Picture& picture = surface.picture();
    std::vector<PictureItem> texts;
    for (const auto& item : picture.items()) {
        if (item.kind == PictureItem::Kind::Text) {
            texts.push_back(item);
        }
    }
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(picture.texts()[texts[0].text], "Orig.");
    EXPECT_DOUBLE_EQ(texts[0].x1, 300 - 90.0);
    EXPECT_DOUBLE_EQ(texts[0].y1, 700 + 90.0);
    EXPECT_EQ(picture.texts()[texts[1].text], " 7");
    EXPECT_DOUBLE_EQ(texts[1].x1, 300 + 70.0);
    EXPECT_DOUBLE_EQ(texts[1].y1, 700 - 70.0);
    // Labels come before the figure, which is drawn over them.
    EXPECT_EQ(picture.items()[0].colour, kWhite);
}

TEST_F(RendererTest, NoNumberForZeroOrNegative) {
    for (int number : {0, -3}) {
        surface.clear();
        drawGridCell(startGenes(), 100, 900, number);
        const auto& items = surface.picture().items();
        EXPECT_EQ(std::count_if(items.begin(), items.end(),
                                [](const PictureItem& i) { return i.colour == kWhite; }),
                  1);
        EXPECT_EQ(surface.picture().texts().size(), 1U);
    }
}

TEST(PrepareSurfaceTest, GridIsEightBlackLinesTwoWideAndScaleIsRestored) {
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    surface.line(1, 2, 3, 4, kRed);
    prepareSurface(surface, 0);
    const Picture& picture = surface.picture();
    ASSERT_EQ(picture.items().size(), 8U);
    for (const auto& item : picture.items()) {
        EXPECT_EQ(item.colour, kBlack);
        EXPECT_EQ(item.lineWidth, 2);
        EXPECT_EQ(picture.scales()[item.scale], (PictureScale{0, 5, 5, 0}));
    }
    EXPECT_EQ(surface.scale(), (PictureScale{0, 1000, 1000, 0}));
    EXPECT_EQ(surface.lineWidth(), 1);

    prepareSurface(surface, 1);
    EXPECT_TRUE(surface.picture().empty());
}

} // namespace
} // namespace vavivor
