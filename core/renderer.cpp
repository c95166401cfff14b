#include "renderer.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace vavivor {

namespace {

constexpr int kHalfTurn = 180;
constexpr double kFillShare = 0.9;
constexpr double kLabelOffset = 9.0 / 20.0;
constexpr double kNumberOffset = 7.0 / 20.0;

// The two sub-branches of a segment that ends at `end` with `direction`.
struct Split {
    float plusDirection;
    double plusLength;
    float minusDirection;
    double minusLength;
    int plusSide;
    int minusSide;
};

Split splitBranch(const GeneValues& g, double length, float direction, int side) {
    const float mainAngle = g[1];
    const float lengthRatio = g[4];
    if (direction == static_cast<float>(kHalfTurn)) {
        const double childLength = length * lengthRatio;
        return {direction + mainAngle, childLength, direction - mainAngle, childLength, 0, 1};
    }
    const float turnPlus = mainAngle + g[2 + side];
    const float turnMinus = mainAngle + g[3 - side];
    return {direction + turnPlus,
            length * lengthRatio * g[5 + side],
            direction - turnMinus,
            length * lengthRatio * g[6 - side],
            1 - side,
            1 - side};
}

// sin and cos of a direction in degrees. A figure turns through few distinct directions, so
// they are kept: a screen of 25 deep figures asks for a hundred thousand of them, and the
// library's sincos took an eighth of the time of a DRAW MUTATIONS click.
struct Turn {
    std::uint32_t direction = 0; // the bits of the float
    double piValue = 0.0;
    double sin = 0.0;
    double cos = 0.0;
    bool known = false;
};

const Turn& turnOf(float direction, double piValue) {
    thread_local std::array<Turn, 1024> turns{};
    const auto bits = std::bit_cast<std::uint32_t>(direction);
    Turn& t = turns[(bits * 2654435769U) >> 22U];
    if (!t.known || t.direction != bits || t.piValue != piValue) {
        const double r = (direction * piValue) / kHalfTurn;
        t = {bits, piValue, std::sin(r), std::cos(r), true};
    }
    return t;
}

} // namespace

Point segmentEnd(const GeneValues& genes, double piValue, double x, double y, double length,
                 float direction) {
    const double aspect = genes[7];
    const Turn& turn = turnOf(direction, piValue);
    const double x2 = x + length * turn.sin;
    double y2 = y - length * turn.cos;
    y2 = (y2 + (aspect - 1.0) * y) / aspect;
    return {x2, y2};
}

namespace {

// The bounding box of a figure, grown by the extent pass.
struct Box {
    double maxX;
    double minX;
    double maxY;
    double minY;
};

void measureBranch(Box& box, double piValue, const GeneValues& genes, float depth, double x,
                   double y, double length, float direction, int side) {
    const Point end = segmentEnd(genes, piValue, x, y, length, direction);
    if (end.x > box.maxX) {
        box.maxX = end.x;
    }
    if (end.x < box.minX) {
        box.minX = end.x;
    }
    if (end.y > box.maxY) {
        box.maxY = end.y;
    }
    if (end.y < box.minY) {
        box.minY = end.y;
    }
    if (depth > 1.0F) {
        const Split s = splitBranch(genes, length, direction, side);
        measureBranch(box, piValue, genes, depth - 1.0F, end.x, end.y, s.plusLength,
                      s.plusDirection, s.plusSide);
        measureBranch(box, piValue, genes, depth - 1.0F, end.x, end.y, s.minusLength,
                      s.minusDirection, s.minusSide);
    }
}

} // namespace

void drawBranch(const RendererState& renderer, const GeneValues& genes, DrawingSurface& surface,
                float depth, double x, double y, double length, float direction, int side) {
    const Point end = segmentEnd(genes, renderer.piValue, x, y, length, direction);
    surface.line(x, y, end.x, end.y, kBlack);
    if (depth > 1.0F) {
        const Split s = splitBranch(genes, length, direction, side);
        drawBranch(renderer, genes, surface, depth - 1.0F, end.x, end.y, s.plusLength,
                   s.plusDirection, s.plusSide);
        drawBranch(renderer, genes, surface, depth - 1.0F, end.x, end.y, s.minusLength,
                   s.minusDirection, s.minusSide);
    }
}

void drawCell(const RendererState& renderer, DrawingSurface& surface, const GeneValues& genes,
              double x, double y, double refLength, int startAngle, double cellWidth, int number,
              std::string_view label, std::int16_t picScale) {
    const double p = picScale;
    const double half = p / 2.0;
    Box box{half, half, half, half};
    const double trunk = p * (refLength / cellWidth);
    measureBranch(box, renderer.piValue, genes, genes[0], half, half, trunk,
                  static_cast<float>(startAngle), 0);
    const double width = box.maxX - box.minX;
    const double height = box.maxY - box.minY;
    const auto figScale =
        static_cast<float>(width > height ? p * kFillShare / width : p * kFillShare / height);
    const double scale = figScale;
    const auto figOffset =
        static_cast<float>((height * scale / 2.0 - (box.maxY - half) * scale) * cellWidth / p);

    surface.line(x, y, x - kLabelOffset * cellWidth, y + kLabelOffset * cellWidth,
                 renderer.backColour);
    surface.printText(label);
    if (number > 0) {
        surface.line(x, y, x + kNumberOffset * cellWidth, y - kNumberOffset * cellWidth,
                     renderer.backColour);
        std::string text = " ";
        text += std::to_string(number);
        surface.printText(text);
    }
    drawBranch(renderer, genes, surface, genes[0], x, y + figOffset, refLength * figScale,
               static_cast<float>(startAngle), 0);
}

void drawFigure(const RendererState& renderer, DrawingSurface& surface, const ScreenFigure& figure,
                FigureLayout layout) {
    const GeneValues values = geneValues(figure.genes);
    if (layout == FigureLayout::Full) {
        const double centre = kPicScale / 2.0;
        drawCell(renderer, surface, values, centre, centre, kFullRefLength, renderer.startAngle,
                 kPicScale, figure.number, figure.label);
        return;
    }
    const double x = kCellSize * (figure.cell % kGridN) + kCellSize / 2.0;
    const double y = kPicScale - kCellSize * (figure.cell / kGridN) - kCellSize / 2.0;
    drawCell(renderer, surface, values, x, y, kCellRefLength, renderer.startAngle, kCellSize,
             figure.number, figure.label);
}

void clearSurface(DrawingSurface& surface) {
    surface.clear();
}

void prepareSurface(DrawingSurface& surface, int gridFlag, std::int16_t gridN,
                    std::int16_t picScale) {
    clearSurface(surface);
    if (gridFlag != 0) {
        return;
    }
    surface.setScale(0, gridN, gridN, 0);
    surface.setLineWidth(2);
    for (int k = 1; k < gridN; ++k) {
        surface.line(k, 0, k, gridN, kBlack);
        surface.line(0, k, gridN, k, kBlack);
    }
    surface.setScale(0, picScale, picScale, 0);
    surface.setLineWidth(1);
}

} // namespace vavivor
