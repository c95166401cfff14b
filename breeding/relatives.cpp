#include "relatives.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"
#include "printing/graphics_print.h"

#include <string>

namespace vavivor {

void cmdZELRdraw_Click(ProgramState& state, Services& services) {
    readEditor(state.genome, services.controls);
    prepareSurface(state.screen.surface(), state.screen.gridFlag[state.screen.curPic],
                   state.screen.gridN, state.screen.picScale);
    state.breeding.autoPrint = services.controls.autoPrintTicked() ? 1 : 0;
    state.selection.noSelection = true;
    drawRelatives(state, services);
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
    ScreenState& screen = state.screen;
    GenomeState& genome = state.genome;
    RendererState& renderer = state.renderer;
    DrawingSurface& surface = screen.surface();

    state.breeding.sequenceShown = false;
    services.controls.setSaveEnabled(true);
    services.controls.setReviewVisible(false);
    services.controls.showRecordLabels(false);
    renderer.startAngle = kStartAngle;
    surface.setLineWidth(1);
    stepGene(genome, -1, 1);

    const bool full = screen.fullScreen();
    renderer.refLength = full ? kFullRefLength : kCellRefLength;
    const double cellWidth = full ? screen.picScale : screen.cellSize;
    const auto drawFigure = [&](double x, double y, const std::string& label) {
        drawCell(renderer, surface, genome.geneValue, full ? 500.0 : x, full ? 500.0 : y,
                 renderer.refLength, renderer.startAngle, cellWidth, 0, label, screen.picScale);
        if (full) {
            printPause(state, services);
            clearSurface(surface);
        }
    };

    drawFigure(500.0, 500.0, "Orig.");
    for (int g = 0; g < genome.geneCount; ++g) {
        const double x = state.relatives.geneLabelPos[g][0];
        const double y = state.relatives.geneLabelPos[g][1];
        std::string gene = "G";
        gene += std::to_string(g + 1);

        showCentral(genome, services.controls);
        stepGene(genome, g, 1);
        drawFigure(x, y, gene + " +1");

        // The -1 relative stands in the cell mirrored through the centre of the picture.
        showCentral(genome, services.controls);
        stepGene(genome, g, -1);
        drawFigure(screen.picScale - x, screen.picScale - y, gene + " -1");
    }
}

} // namespace vavivor
