#include "selection.h"

#include "core/gene_editor.h"
#include "core/number_text.h"
#include "core/picture.h"

#include <algorithm>

namespace vavivor {

namespace {

// A coordinate's cell along one axis, or -1 outside the grid.
int cellAlong(float coordinate, int cellSize, int gridN) {
    const double rounded = roundHalfEven(coordinate);
    if (!(rounded >= 0.0 && rounded < static_cast<double>(cellSize) * gridN)) {
        return -1;
    }
    return static_cast<int>(rounded) / cellSize;
}

} // namespace

std::optional<GridCell> hitCell(float x, float y, int cellSize, int gridN) {
    const int column = cellAlong(x, cellSize, gridN);
    const int row = cellAlong(y, cellSize, gridN);
    if (column < 0 || row < 0) {
        return std::nullopt;
    }
    return GridCell{column, row};
}

void frameCell(DrawingSurface& surface, int column, int row, Colour colour, int cellSize) {
    // A side on the area's edge would be painted half outside the area (the right and bottom
    // ones wholly), so it comes half a line width inside.
    const double extent = static_cast<double>(cellSize) * kGridN;
    const double inset = extent / kPictureReferencePixels / 2;
    const auto inside = [&](int at) { return std::clamp<double>(at, inset, extent - inset); };
    surface.rectangle(inside(cellSize * column), inside(cellSize * row),
                      inside(cellSize * (column + 1)), inside(cellSize * (row + 1)), colour);
}

void takeCell(ProgramState& state, int k) {
    GenomeState& genome = state.genome;
    if (state.breeding.sequenceShown) {
        for (int g = 0; g < genome.geneCount; ++g) {
            genome.genePos[g] = genome.cellPos[k][g];
            setEditorPosition(genome, g, genome.genePos[g]);
        }
        return;
    }
    const int g = state.relatives.relCell[k][0];
    const int d = state.relatives.relCell[k][1];
    genome.genePos[g] = clampPos(genome.centralPos[g], d, genome.genePosMax);
    setEditorPosition(genome, g, genome.genePos[g]);
}

void selectCell(ProgramState& state, Services& /*services*/, PickButton button, bool modifierHeld,
                float x, float y) {
    ScreenState& screen = state.screen;
    SelectionState& selection = state.selection;
    if (modifierHeld || screen.fullScreen() || !selection.screenDrawn[screen.curPic]) {
        return;
    }
    DrawingSurface& surface = screen.surface();
    if (button == PickButton::Left) {
        const std::optional<GridCell> cell = hitCell(x, y, screen.cellSize, screen.gridN);
        if (!cell) {
            return;
        }
        // Rows count from the bottom here, cell indices from the top.
        const int k = cell->column + (screen.gridN - cell->row - 1) * screen.gridN;
        const bool pickable = selection.innerCell[cell->column][cell->row] == 0 ||
                              (k > 0 && state.breeding.sequenceShown);
        if (!pickable) {
            return;
        }
        if (!selection.noSelection) {
            // Black, the colour of the grid lines, covers the previous frame.
            frameCell(surface, selection.selCol, selection.selRow, kBlack, screen.cellSize);
            showCentral(state.genome);
        }
        frameCell(surface, cell->column, cell->row, screen.markColour, screen.cellSize);
        selection.selCol = static_cast<std::int16_t>(cell->column);
        selection.selRow = static_cast<std::int16_t>(cell->row);
        selection.noSelection = false;
        takeCell(state, k);
    } else if (button == PickButton::Right && !selection.noSelection) {
        frameCell(surface, selection.selCol, selection.selRow, kBlack, screen.cellSize);
        showCentral(state.genome);
    }
}

} // namespace vavivor
