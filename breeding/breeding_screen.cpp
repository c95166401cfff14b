#include "breeding_screen.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"
#include "printing/graphics_print.h"

namespace vavivor {

void startBreedingClick(ProgramState& state, Services& services) {
    readEditor(state.genome, services.controls);
    prepareSurface(state.screen.surface(), state.screen.gridFlag[state.screen.curPic],
                   state.screen.gridN, state.screen.picScale);
    state.breeding.autoPrint = services.controls.autoPrintTicked() ? 1 : 0;
    state.selection.noSelection = true;
}

void beginScreenFigures(ProgramState& state) {
    state.renderer.startAngle = kStartAngle;
    state.screen.surface().setLineWidth(1);
    state.renderer.refLength = state.screen.fullScreen() ? kFullRefLength : kCellRefLength;
    state.selection.screenDrawn[state.screen.curPic] = true;
    state.breeding.autoPrintStopped = false;
}

void drawScreenFigure(ProgramState& state, Services& services, double x, double y, int number,
                      const std::string& label) {
    const ScreenState& screen = state.screen;
    RendererState& renderer = state.renderer;
    DrawingSurface& surface = screen.surface();
    const bool full = screen.fullScreen();
    const double centre = screen.picScale / 2.0;
    drawCell(renderer, surface, state.genome.geneValue, full ? centre : x, full ? centre : y,
             renderer.refLength, renderer.startAngle, full ? screen.picScale : screen.cellSize,
             number, label, screen.picScale);
    if (full) {
        state.breeding.lastFigure[screen.curPic] = surface.picture();
        printPause(state, services);
        clearSurface(surface);
    }
}

} // namespace vavivor
