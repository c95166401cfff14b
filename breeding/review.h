#pragma once

#include "core/genome.h"
#include "core/program_state.h"
#include "core/services.h"

#include <string>
#include <vector>

namespace vavivor {

// REVIEW MUTATIONS: redraws the chain held in the mutant table, in the layout in force now,
// without drawing a random number. Reads neither the editor nor the Auto-Print box.
void cmdZELMrep_Click(ProgramState& state, Services& services);

// The central figure and the 24 stored mutants labelled "V k", without cell numbers; full
// screen with the print pause after each figure. Undoes a pick in the editor.
void reviewSequence(ProgramState& state, Services& services);

// A Draw Mutations screen drawn again from the mutant table, as the review draws it but with
// cell k labelled labels[k - 1] and numbered k, as the chain was first drawn.
void redrawChain(ProgramState& state, Services& services, const std::vector<std::string>& labels);

// Row k (1..24) of the mutant table into genePos and geneValue; returns "V k".
std::string reviewCell(GenomeState& genome, int k);

} // namespace vavivor
