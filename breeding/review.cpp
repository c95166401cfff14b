#include "review.h"

#include "breeding_screen.h"
#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"
#include "history_screens.h"

namespace vavivor {

void cmdZELMrep_Click(ProgramState& state, Services& services) {
    reviewSequence(state, services);
    recordScreen(state, services, ScreenKind::Review);
}

std::string reviewCell(GenomeState& genome, int k) {
    genome.genePos = genome.cellPos[k];
    positionsToValues(genome);
    std::string label = "V ";
    label += std::to_string(k);
    return label;
}

namespace {

// The review screen; with chain labels, cell k carries labels[k - 1] and its number k.
void drawSequence(ProgramState& state, Services& services,
                  const std::vector<std::string>* chainLabels) {
    ScreenState& screen = state.screen;
    GenomeState& genome = state.genome;

    showCentral(genome, services.controls);
    prepareSurface(screen.surface(), screen.gridFlag[screen.curPic], screen.gridN, screen.picScale);
    state.breeding.sequenceShown = true;
    services.controls.setSaveEnabled(true);
    beginScreenFigures(state);

    positionsToValues(genome);
    drawScreenFigure(state, services, 100.0, 900.0, 0, "Orig.");
    for (int r = 0; r < kGridN; ++r) {
        for (int c = 0; c < kGridN; ++c) {
            if (r == 0 && c == 0) {
                continue;
            }
            const int k = kGridN * r + c;
            const std::string label = reviewCell(genome, k);
            const bool chain =
                chainLabels != nullptr && chainLabels->size() >= static_cast<std::size_t>(k);
            drawScreenFigure(state, services, 200.0 * c + 100.0, 900.0 - 200.0 * r, chain ? k : 0,
                             chain ? (*chainLabels)[k - 1] : label);
        }
    }
}

} // namespace

void reviewSequence(ProgramState& state, Services& services) {
    drawSequence(state, services, nullptr);
}

void redrawChain(ProgramState& state, Services& services, const std::vector<std::string>& labels) {
    drawSequence(state, services, &labels);
}

} // namespace vavivor
