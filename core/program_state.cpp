#include "program_state.h"

#include "screen.h"

#include <cmath>

namespace vavivor {

void fillRelativesLayout(RelativesLayout& layout) {
    layout.relCell = {};
    for (int g = 0; g < kGeneCount; ++g) {
        for (const int dir : {1, -1}) {
            layout.relCell[relativeCell(g, dir)] = {static_cast<std::int16_t>(g),
                                                    static_cast<std::int16_t>(dir)};
        }
    }
}

void fillInnerCell(SelectionState& selection) {
    for (auto& column : selection.innerCell) {
        column.fill(0);
    }
    for (int column = 1; column <= 3; ++column) {
        for (int row = 1; row <= 3; ++row) {
            selection.innerCell[column][row] = 1;
        }
    }
}

void initProgramState(ProgramState& state) {
    ScreenState& screen = state.screen;
    screen.picScale = kPicScale;
    screen.gridN = kGridN;
    screen.cellSize = static_cast<std::int16_t>(std::nearbyint(1000.0 / kGridN));
    state.print = PrintGrid{};
    screen.curPic = 0;
    screen.backColour = kWhite;
    screen.markColour = kRed;
    state.renderer.backColour = screen.backColour;
    state.genome.geneCount = kGeneCount;
    state.genome.genePosMax = kGenePosMax;
    fillRelativesLayout(state.relatives);
    fillInnerCell(state.selection);
    state.genome.cellPos = {};
    fillGeneTable(state.genome);
    screen.altCaption = {"ALTERNATIVE", "MAIN"};
    screen.screenCaption = {"GRID SCREEN", "FULL SCREEN"};
    state.renderer.piValue = 3.14159265358979;
}

} // namespace vavivor
