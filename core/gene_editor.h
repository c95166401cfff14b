#pragma once

#include "genome.h"
#include "main_controls.h"

namespace vavivor {

// Start-up's filling of the gene editor: every gene at the start position with its name and
// value. Runs while editorReady is still false, so the change handler stays silent.
void fillEditor(const GenomeState& genome, MainControls& controls);

// The change handler of the position box lblGR(gene): once start-up has finished, shows the
// value that belongs to the caption. Touches neither genePos nor centralPos.
void geneCaptionChanged(const GenomeState& genome, MainControls& controls, int gene);

// The editor's positions into genePos and centralPos.
void readEditor(GenomeState& genome, const MainControls& controls);

// centralPos back into genePos and into the editor.
void showCentral(GenomeState& genome, MainControls& controls);

} // namespace vavivor
