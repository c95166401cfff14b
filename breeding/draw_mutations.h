#pragma once

#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// DRAW MUTATIONS: the editor's genes become the central figure, the Auto-Print box is read, a
// new chain of 24 mutants is drawn from a new seed (named in the status bar) and recorded in
// the history.
void breedMutations(ProgramState& state, Services& services);

} // namespace vavivor
