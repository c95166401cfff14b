#pragma once

#include "core/genome.h"
#include "core/program_state.h"
#include "core/random_source.h"
#include "core/services.h"

#include <string>

namespace vavivor {

// DRAW MUTATIONS: the editor's genes become the central figure, the picture is prepared, the
// Auto-Print box is read and a new chain of mutants is drawn.
void cmdZELMdraw_Click(ProgramState& state, Services& services);

// The central figure and a chain of 24 mutants, each one random step away from the one before,
// in the grid or one at a time full screen with the print pause after each figure.
void drawMutations(ProgramState& state, Services& services);

// Every row of the mutant table becomes the central figure.
void resetMutantTable(GenomeState& genome);

// Mutant k (1..24): one random gene one random step up or down (clamped), in genePos and in
// rows k..24 of the mutant table; exactly two draws, gene first. Returns the cell's label,
// which names the attempted change even when a bound stopped it ("G3 -1", "G8 1").
std::string makeMutant(GenomeState& genome, RandomSource& random, int k);

} // namespace vavivor
