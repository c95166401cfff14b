#pragma once

#include "core/program_state.h"
#include "core/screen.h"
#include "core/services.h"

namespace vavivor {

// Draws `screen` on the visible picture area in the area's layout and makes it the screen that
// picking, saving and REVIEW MUTATIONS work on: sequenceShown, centralPos and, for a sequence,
// the mutant table take it; Save is enabled (REVIEW MUTATIONS is hidden on a relatives
// screen); the status bar describes the screen (screenStatus); the picture is prepared. Before each
// figure genePos and geneValue take its genes; in the full-screen layout each figure is kept as the
// area's last figure and followed by the print pause, then the area is cleared. The gene editor is
// left alone.
void presentScreen(ProgramState& state, Services& services, const Screen& screen);

} // namespace vavivor
