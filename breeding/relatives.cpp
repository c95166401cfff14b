#include "relatives.h"

#include "breeding_screen.h"
#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "history_screens.h"

#include <string>

namespace vavivor {

void cmdZELRdraw_Click(ProgramState& state, Services& services) {
    startBreedingClick(state, services);
    drawRelatives(state, services);
    recordScreen(state, services, ScreenKind::Relatives);
}

void stepGene(GenomeState& genome, int gene, int dir) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.geneValue[i] = geneValueAt(genome, i, genome.genePos[i]);
    }
    if (gene > -1) {
        genome.genePos[gene] = clampPos(genome.genePos[gene], dir, genome.genePosMax);
        genome.geneValue[gene] = geneValueAt(genome, gene, genome.genePos[gene]);
    }
    genome.mainAngle = genome.geneValue[1];
    genome.lengthRatio = genome.geneValue[4];
}

void drawRelatives(ProgramState& state, Services& services) {
    GenomeState& genome = state.genome;
    const double picScale = state.screen.picScale;

    state.breeding.sequenceShown = false;
    services.controls.setSaveEnabled(true);
    services.controls.setReviewVisible(false);
    services.controls.showRecordLabels(false);
    beginScreenFigures(state);
    stepGene(genome, -1, 1);
    drawScreenFigure(state, services, 500.0, 500.0, 0, "Orig.");
    for (int g = 0; g < genome.geneCount; ++g) {
        const double x = state.relatives.geneLabelPos[g][0];
        const double y = state.relatives.geneLabelPos[g][1];
        std::string gene = "G";
        gene += std::to_string(g + 1);

        showCentral(genome, services.controls);
        stepGene(genome, g, 1);
        drawScreenFigure(state, services, x, y, 0, gene + " +1");

        // The -1 relative stands in the cell mirrored through the centre of the picture.
        showCentral(genome, services.controls);
        stepGene(genome, g, -1);
        drawScreenFigure(state, services, picScale - x, picScale - y, 0, gene + " -1");
    }
}

} // namespace vavivor
