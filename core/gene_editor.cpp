#include "gene_editor.h"

#include "number_text.h"

#include <string>

namespace vavivor {

void fillEditor(const GenomeState& genome, MainControls& controls) {
    const GeneSet start = startGenes();
    for (int i = 0; i < genome.geneCount; ++i) {
        controls.setGeneCaption(i, std::to_string(start[i]));
        controls.setGeneNameCaption(i, genome.geneName[i]);
        controls.setGeneValueCaption(i, singleText(geneValueAt(genome, i, start[i])));
    }
}

void geneCaptionChanged(const GenomeState& genome, MainControls& controls, int gene) {
    if (!genome.editorReady) {
        return;
    }
    const std::int16_t position = captionNumber(controls.geneCaption(gene));
    controls.setGeneValueCaption(gene, singleText(geneValueAt(genome, gene, position)));
}

void readEditor(GenomeState& genome, const MainControls& controls) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.genePos[i] = captionNumber(controls.geneCaption(i));
        genome.centralPos[i] = genome.genePos[i];
    }
}

void showCentral(GenomeState& genome, MainControls& controls) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.genePos[i] = genome.centralPos[i];
        controls.setGeneCaption(i, std::to_string(genome.genePos[i]));
    }
}

} // namespace vavivor
