#include "gene_editor.h"

#include "number_text.h"

namespace vavivor {

void fillEditor(GenomeState& genome, MainControls& controls) {
    const GeneSet start = startGenes();
    for (int i = 0; i < genome.geneCount; ++i) {
        setEditorPosition(genome, i, start[i]);
        controls.setGeneNameCaption(i, genome.geneName[i]);
        genome.editor.setValueText(i, geneValueText(genome, i, start[i]));
    }
}

std::string geneValueText(const GenomeState& genome, int gene, std::int16_t position) {
    return singleText(geneValueAt(genome, gene, position));
}

void setEditorPosition(GenomeState& genome, int gene, std::int16_t position) {
    genome.editor.setPosition(gene, position);
    if (genome.editorReady) {
        genome.editor.setValueText(gene, geneValueText(genome, gene, position));
    }
}

void stepEditorPosition(GenomeState& genome, int gene, int step) {
    typeEditorPosition(genome, gene,
                       clampPos(genome.editor.position(gene), step, genome.genePosMax));
}

void typeEditorPosition(GenomeState& genome, int gene, int position) {
    if (position < kGenePosMin || position > genome.genePosMax ||
        position == genome.editor.position(gene)) {
        return;
    }
    setEditorPosition(genome, gene, static_cast<std::int16_t>(position));
}

void readEditor(GenomeState& genome) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.genePos[i] = genome.editor.position(i);
        genome.centralPos[i] = genome.genePos[i];
    }
}

void showCentral(GenomeState& genome) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.genePos[i] = genome.centralPos[i];
        setEditorPosition(genome, i, genome.genePos[i]);
    }
}

} // namespace vavivor
