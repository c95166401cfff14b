#include "core/picture.h"
#include "core/renderer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <utility>
#include <vector>

namespace vavivor {
namespace {

struct Segment {
    double x1, y1, x2, y2;
};

// The black lines drawCell draws for `genes` at (x, y) in a grid cell.
std::vector<Segment> segmentsOf(const GeneSet& genes, double x, double y) {
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    drawCell(RendererState{}, surface, geneValues(genes), x, y, kCellRefLength, kStartAngle,
             kCellSize, 0, "");
    std::vector<Segment> lines;
    for (const PictureItem& item : surface.picture().items()) {
        if (item.kind == PictureItem::Kind::Line && item.colour == kBlack) {
            lines.push_back({item.x1, item.y1, item.x2, item.y2});
        }
    }
    return lines;
}

double length(const Segment& s) {
    return std::hypot(s.x2 - s.x1, s.y2 - s.y1);
}

// Direction in degrees from the downward direction, 0..360.
double direction(const Segment& s) {
    const double d = std::atan2(s.x2 - s.x1, -(s.y2 - s.y1)) * 180.0 / std::numbers::pi;
    return d < 0 ? d + 360.0 : d;
}

TEST(RendererTest, DepthThreeDrawsTrunkThenPlusBranchThenMinusBranch) {
    // Aspect ratio 1 (gene 8 at 4), so directions can be read off the drawing.
    const auto s = segmentsOf({1, 5, 5, 5, 5, 5, 5, 4}, 100, 900);
    ASSERT_EQ(s.size(), 7U);
    EXPECT_NEAR(direction(s[0]), 180.0, 1e-9);
    // The plus branch with both its children comes before the minus branch, which mirrors it
    // about the trunk.
    EXPECT_DOUBLE_EQ(s[2].x1, s[1].x2);
    EXPECT_NEAR(direction(s[1]), 20.0, 1e-6);
    EXPECT_NEAR(direction(s[4]), 340.0, 1e-6);
    for (const auto& [plus, minus] : {std::pair{1, 4}, std::pair{2, 6}, std::pair{3, 5}}) {
        EXPECT_NEAR(s[plus].x2 - 100.0, 100.0 - s[minus].x2, 1e-6);
        EXPECT_NEAR(s[plus].y2, s[minus].y2, 1e-6);
    }
}

// Only a direction of exactly 180 splits by the trunk's rule.
TEST(RendererTest, TheTrunkRuleHoldsForExactly180) {
    // Main angle 360: the trunk's children point at 540 and -180, straight up but not equal to
    // 180, so their children turn by 360 + 10 instead of staying vertical.
    auto s = segmentsOf({1, 9, 5, 5, 5, 5, 5, 4}, 100, 900);
    ASSERT_EQ(s.size(), 7U);
    EXPECT_NEAR(s[1].x2 - s[1].x1, 0.0, 1e-9);
    EXPECT_NEAR(direction(s[2]), 190.0, 1e-6);
    EXPECT_NEAR(direction(s[3]), 170.0, 1e-6);

    // Main angle 40, 'Up' angle -50, 'Down' angle 10, aspect 1, unequal factors: the branch
    // trunk -> plus (220) -> minus (170) -> minus comes back to exactly 180 and splits by the
    // length ratio alone, without an 'Up' or 'Down' factor.
    s = segmentsOf({3, 1, 2, 5, 5, 9, 1, 4}, 100, 900);
    ASSERT_EQ(s.size(), 31U);
    EXPECT_NEAR(direction(s[13]), 180.0, 1e-9);
    EXPECT_DOUBLE_EQ(s[14].x1, s[13].x2);
    EXPECT_NEAR(direction(s[14]), 220.0, 1e-9);
    EXPECT_NEAR(direction(s[15]), 140.0, 1e-9);
    EXPECT_NEAR(length(s[14]), length(s[13]) * 0.6F, 1e-9);
    EXPECT_NEAR(length(s[15]), length(s[13]) * 0.6F, 1e-9);
}

} // namespace
} // namespace vavivor
