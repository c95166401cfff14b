#include "program_state.h"

#include <cmath>

namespace vavivor {

namespace {

// Cell index of a centre given in user units (rows counted from the top).
int cellIndexOf(int x, int y) {
    return 5 * ((900 - y) / 200) + (x - 100) / 200;
}

} // namespace

void fillRelativesLayout(RelativesLayout& layout) {
    // The +1 relatives run along the top row, then down the right-hand column; each -1
    // relative stands in the cell mirrored through the centre.
    static constexpr std::array<std::array<std::int16_t, 2>, kGeneCount> kPlusCentres{{
        {100, 900},
        {300, 900},
        {500, 900},
        {700, 900},
        {900, 900},
        {900, 700},
        {900, 500},
        {900, 300},
    }};
    layout.geneLabelPos = kPlusCentres;
    layout.relCell = {};
    for (int g = 0; g < kGeneCount; ++g) {
        const int x = kPlusCentres[g][0];
        const int y = kPlusCentres[g][1];
        layout.relCell[cellIndexOf(x, y)] = {static_cast<std::int16_t>(g), 1};
        layout.relCell[cellIndexOf(1000 - x, 1000 - y)] = {static_cast<std::int16_t>(g), -1};
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
