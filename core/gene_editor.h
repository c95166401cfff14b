#pragma once

#include "genome.h"
#include "main_controls.h"

#include <cstdint>
#include <string>

namespace vavivor {

// Start-up's filling of the gene editor: every gene at the start position with its name and
// value. Runs while editorReady is still false, so the change handler stays silent.
void fillEditor(GenomeState& genome, MainControls& controls);

// The value text of gene `gene` at `position`, as the editor shows it beside the gene's name.
std::string geneValueText(const GenomeState& genome, int gene, std::int16_t position);

// Writes gene `gene`'s position into the editor, then runs the editor's change handler: once
// start-up has finished, the value text follows the position. Touches neither genePos nor
// centralPos. Every position the editor shows is written here.
void setEditorPosition(GenomeState& genome, int gene, std::int16_t position);

// An arrow step (+1 or -1) or a typed position for gene `gene`, kept within 1..genePosMax.
// A step beyond an end, a position outside the range or the position already shown writes
// nothing.
void stepEditorPosition(GenomeState& genome, int gene, int step);
void typeEditorPosition(GenomeState& genome, int gene, int position);

// The editor's positions into genePos and centralPos.
void readEditor(GenomeState& genome);

// centralPos back into genePos and into the editor.
void showCentral(GenomeState& genome);

} // namespace vavivor
