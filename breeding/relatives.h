#pragma once

#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// DRAW RELATIVES: the editor's genes become the central figure, the Auto-Print box is read and
// the central figure is drawn with its 16 single-gene relatives, then recorded in the history.
// The mutant table is not touched.
void breedRelatives(ProgramState& state, Services& services);

} // namespace vavivor
