#pragma once

#include <functional>

namespace vavivor {

class PictureArea;

// Lets the keyboard pick on a picture area's grid of gridN x gridN cells: the area takes the
// focus, the arrow keys move a dashed frame from cell to cell, and Enter or Space act as a
// left click on the frame's cell, Escape as a right click. The frame shows only while the
// area has the focus and `gridShown` says that the area shows a grid.
void pickWithKeys(PictureArea& area, int gridN, std::function<bool()> gridShown);

} // namespace vavivor
