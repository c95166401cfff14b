#pragma once

#include "core/colour.h"
#include "core/drawing_surface.h"
#include "core/program_state.h"
#include "core/services.h"

#include <optional>

namespace vavivor {

// The mouse button of a pick; the window turns its own buttons into these.
enum class PickButton { Left, Right, Other };

struct GridCell {
    int column = 0; // 0..4 from the left
    int row = 0;    // 0..4 from the bottom
};

// The grid cell under (x, y) in user units: each coordinate is rounded to a whole number
// (halves to even) and then divided by the cell size. Nothing when a rounded coordinate falls
// outside 0..999, such as the top pixel row at y = 1000.
std::optional<GridCell> hitCell(float x, float y, int cellSize = kCellSize, int gridN = kGridN);

// A mouse button going down on the main picture area: a left click picks the cell under the
// mouse on a grid screen, a right click undoes the pick. Clicks with a modifier key held (Shift,
// Ctrl or Alt), with other buttons, in the full-screen layout or before any breeding screen has
// been drawn on the area do nothing.
void selectCell(ProgramState& state, Services& services, PickButton button, bool modifierHeld,
                float x, float y);

// The outline of the cell (column, row counted from the bottom) in `colour`, a line 1 pixel
// wide; a side on the area's edge lies half a line inside it.
void frameCell(DrawingSurface& surface, int column, int row, Colour colour,
               int cellSize = kCellSize);

// The genes of cell k into genePos and the editor: the whole gene set on a sequence screen,
// the one changed gene on the relatives screen.
void takeCell(ProgramState& state, int k);

} // namespace vavivor
