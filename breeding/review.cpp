#include "review.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"
#include "printing/graphics_print.h"

namespace vavivor {

void cmdZELMrep_Click(ProgramState& state, Services& services) {
    reviewSequence(state, services);
}

std::string reviewCell(GenomeState& genome, int k) {
    genome.genePos = genome.cellPos[k];
    positionsToValues(genome);
    std::string label = "V ";
    label += std::to_string(k);
    return label;
}

void reviewSequence(ProgramState& state, Services& services) {
    ScreenState& screen = state.screen;
    GenomeState& genome = state.genome;
    RendererState& renderer = state.renderer;
    DrawingSurface& surface = screen.surface();

    showCentral(genome, services.controls);
    prepareSurface(surface, screen.gridFlag[screen.curPic], screen.gridN, screen.picScale);
    state.breeding.sequenceShown = true;
    services.controls.setSaveEnabled(true);
    renderer.startAngle = kStartAngle;
    surface.setLineWidth(1);

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

    positionsToValues(genome);
    drawFigure(100.0, 900.0, "Orig.");
    for (int r = 0; r < kGridN; ++r) {
        for (int c = 0; c < kGridN; ++c) {
            if (r == 0 && c == 0) {
                continue;
            }
            const int k = kGridN * r + c;
            const std::string label = reviewCell(genome, k);
            drawFigure(200.0 * c + 100.0, 900.0 - 200.0 * r, label);
        }
    }
}

} // namespace vavivor
