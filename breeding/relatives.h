#pragma once

#include "core/genome.h"
#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// DRAW RELATIVES: the editor's genes become the central figure, the picture is prepared, the
// Auto-Print box is read and the relatives screen is drawn.
void cmdZELRdraw_Click(ProgramState& state, Services& services);

// The central figure and its 16 single-gene relatives (each gene one step up and one step
// down): around the centre of the grid, or one at a time full screen with the print pause after
// each figure. The caller prepares the picture.
void drawRelatives(ProgramState& state, Services& services);

// geneValue from genePos; with gene 0..7 that gene first moves one step in `dir` (clamped).
// The change to genePos stays.
void stepGene(GenomeState& genome, int gene, int dir);

} // namespace vavivor
