#pragma once

#include "core/genome.h"
#include "core/program_state.h"
#include "core/services.h"

#include <string>

namespace vavivor {

// REVIEW MUTATIONS: redraws the chain held in the mutant table, in the layout in force now,
// without drawing a random number. Reads neither the editor nor the Auto-Print box.
void cmdZELMrep_Click(ProgramState& state, Services& services);

// The central figure and the 24 stored mutants labelled "V k", without cell numbers; full
// screen with the print pause after each figure. Undoes a pick in the editor.
void reviewSequence(ProgramState& state, Services& services);

// Row k (1..24) of the mutant table into genePos and geneValue; returns "V k".
std::string reviewCell(GenomeState& genome, int k);

} // namespace vavivor
