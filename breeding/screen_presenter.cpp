#include "screen_presenter.h"

#include "core/main_controls.h"
#include "core/renderer.h"
#include "printing/graphics_print.h"

namespace vavivor {

void presentScreen(ProgramState& state, Services& services, const Screen& screen) {
    GenomeState& genome = state.genome;
    ScreenState& screens = state.screen;
    const bool sequence = screen.showsSequence();
    state.breeding.sequenceShown = sequence;
    genome.centralPos = screen.central;
    if (sequence) {
        genome.cellPos = screen.chain;
    }
    services.controls.setSaveEnabled(true);
    screens.areaStatus[screens.curPic] = screenStatus(screen);
    services.controls.showStatus(screens.areaStatus[screens.curPic]);
    if (!sequence) {
        services.controls.setReviewVisible(false);
    }

    DrawingSurface& surface = screens.surface();
    prepareSurface(surface, screens.gridFlag[screens.curPic], screens.gridN, screens.picScale);
    surface.setLineWidth(1);
    state.renderer.startAngle = kStartAngle;
    state.selection.screenDrawn[screens.curPic] = true;
    state.breeding.autoPrintStopped = false;

    const bool full = screens.fullScreen();
    if (full) {
        beginPrintPauses(state, services);
    }
    for (const ScreenFigure& figure : screen.figures) {
        // The print pause prints the figure with the genes it was drawn from.
        genome.genePos = figure.genes;
        positionsToValues(genome);
        drawFigure(state.renderer, surface, figure, full ? FigureLayout::Full : FigureLayout::Grid);
        if (full) {
            state.breeding.lastFigure[screens.curPic] = surface.picture();
            printPause(state, services);
            clearSurface(surface);
        }
    }
    if (full) {
        endPrintPauses(state, services);
    }
}

} // namespace vavivor
