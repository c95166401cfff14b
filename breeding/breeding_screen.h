#pragma once

#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// The common start of the DRAW MUTATIONS and DRAW RELATIVES clicks: the editor into genePos
// and centralPos, Auto-Print taken from its box, no pick.
void startBreedingClick(ProgramState& state, Services& services);

} // namespace vavivor
