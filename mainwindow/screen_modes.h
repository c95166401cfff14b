#pragma once

#include "core/program_state.h"

#include <string>

namespace vavivor {

// The layout switch (cmdZELscreen): the visible area changes between the grid and the
// full-screen layout and is prepared afresh, so its figures are gone and, in the grid layout,
// the empty grid is drawn.
void switchLayout(ScreenState& screen);

// The picture-area switch (cmdZELNalt): the other area becomes the one in use. Nothing is
// redrawn; each area keeps what was last drawn on it.
void switchPictureArea(ScreenState& screen);

// What the status bar says after a switch: the note of the screen on the area in view, or, for
// an area that shows none, what to do next.
std::string areaStatus(const ScreenState& screen);
inline constexpr const char* kEmptyAreaStatus =
    "Set the genes, then press DRAW MUTATIONS or DRAW RELATIVES.";

// The caption of cmdZELscreen: the layout that its next click selects.
std::string layoutSwitchCaption(const ScreenState& screen);
// The caption of cmdZELNalt: the area that its next click shows.
std::string areaSwitchCaption(const ScreenState& screen);
// Whether the Auto-Print box and its label are shown: only in the full-screen layout.
bool autoPrintShown(const ScreenState& screen);

} // namespace vavivor
