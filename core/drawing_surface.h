#pragma once

#include "colour.h"

#include <string_view>

namespace vavivor {

class Picture;

// A picture area as the drawing logic sees it: a user coordinate system, a current drawing
// position, a line width in pixels and a persistent image.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // After this a point's x runs from left to right and its y from top to bottom across the
    // area.
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    virtual void setLineWidth(int pixels) = 0;
    // Draws a line; the current position becomes (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // An unfilled rectangle with corners (x1, y1) and (x2, y2).
    virtual void rectangle(double x1, double y1, double x2, double y2, Colour colour) = 0;
    // Text whose top left corner stands at the current position.
    virtual void printText(std::string_view text) = 0;
    // Removes everything drawn; scale and line width stay.
    virtual void clear() = 0;
    // Everything drawn since the last clear, for printing and export.
    [[nodiscard]] virtual const Picture& picture() const = 0;
};

} // namespace vavivor
