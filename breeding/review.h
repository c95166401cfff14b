#pragma once

#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// REVIEW MUTATIONS: redraws the chain held in the mutant table, labelled "V k", in the layout in
// force now, without drawing a random number, and records it in the history. The central
// figure comes from centralPos; the gene editor is put back on it. Reads neither the editor
// nor the Auto-Print box and leaves the pick as it was.
void reviewMutations(ProgramState& state, Services& services);

} // namespace vavivor
