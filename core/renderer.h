#pragma once

#include "colour.h"
#include "drawing_surface.h"
#include "genome.h"
#include "screen.h"

#include <cstdint>
#include <string_view>

namespace vavivor {

inline constexpr std::int16_t kPicScale = 1000;
inline constexpr std::int16_t kGridN = 5;
inline constexpr std::int16_t kCellSize = 200;
inline constexpr std::int16_t kStartAngle = 180;
inline constexpr double kCellRefLength = 200.0;
inline constexpr double kFullRefLength = 300.0;

// The renderer's program-wide constants.
struct RendererState {
    double piValue = 3.14159265358979;
    std::int16_t startAngle = kStartAngle;
    Colour backColour = kWhite;
};

// Where a screen's figures go: each in its grid cell, or each filling the picture.
enum class FigureLayout : std::uint8_t { Grid, Full };

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// End of a segment of `length` in `direction` degrees from (x, y), 0 pointing down and 180 up;
// the vertical step is divided by the aspect ratio genes[7].
Point segmentEnd(const GeneValues& genes, double piValue, double x, double y, double length,
                 float direction);

// Draws one segment in black and, for depth > 1, its two sub-branches, plus branch first.
void drawBranch(const RendererState& renderer, const GeneValues& genes, DrawingSurface& surface,
                float depth, double x, double y, double length, float direction, int side);

// Draws one figure with its label (and number when > 0), scaled to 0.9 of `cellWidth` and
// centred vertically on y.
void drawCell(const RendererState& renderer, DrawingSurface& surface, const GeneValues& genes,
              double x, double y, double refLength, int startAngle, double cellWidth, int number,
              std::string_view label, std::int16_t picScale = kPicScale);

// Draws a figure of a screen with its label and number: in its grid cell, or filling the
// picture (user scale 0..1000).
void drawFigure(const RendererState& renderer, DrawingSurface& surface, const ScreenFigure& figure,
                FigureLayout layout);

// Removes all drawing from the surface.
void clearSurface(DrawingSurface& surface);

// Clears the surface and, when gridFlag is 0, draws the inner lines of the grid, two pixels
// wide; leaves the 0..picScale scale and line width 1.
void prepareSurface(DrawingSurface& surface, int gridFlag, std::int16_t gridN = kGridN,
                    std::int16_t picScale = kPicScale);

} // namespace vavivor
