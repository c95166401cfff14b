#pragma once

#include "core/program_state.h"
#include "core/services.h"

#include <string>

namespace vavivor {

// The common start of the DRAW MUTATIONS and DRAW RELATIVES clicks: the editor into genePos
// and centralPos, the picture prepared for its layout, Auto-Print taken from its box, no pick.
void startBreedingClick(ProgramState& state, Services& services);

// Line width 1, startAngle and the refLength of the visible area's layout: the set-up of every
// breeding screen before its first figure, after which the area's figures can be picked.
void beginScreenFigures(ProgramState& state);

// One figure of a breeding screen from geneValue: at (x, y) in a grid cell, or filling the
// picture in the full-screen layout, where the print pause and clearing follow.
void drawScreenFigure(ProgramState& state, Services& services, double x, double y, int number,
                      const std::string& label);

} // namespace vavivor
