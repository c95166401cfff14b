#include "draw_mutations.h"

#include "breeding_screen.h"
#include "core/main_controls.h"
#include "core/random_source.h"
#include "history_screens.h"
#include "mutation_seed.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vavivor {

void cmdZELMdraw_Click(ProgramState& state, Services& services) {
    startBreedingClick(state, services);
    drawMutations(state, services);
}

void resetMutantTable(GenomeState& genome) {
    for (GeneSet& row : genome.cellPos) {
        row = genome.centralPos;
    }
}

std::string makeMutant(GenomeState& genome, RandomSource& random, int k) {
    const double u1 = random.next();
    const double u2 = random.next();
    // A source that strays outside [0, 1) must not reach outside the gene table.
    const int g =
        std::clamp(static_cast<int>(std::floor(u1 * genome.geneCount)), 0, genome.geneCount - 1);
    const int s = u2 < 0.5 ? -1 : 1; // 2 * floor(2 * u2) - 1 for u2 in [0, 1)

    genome.genePos[g] = clampPos(genome.genePos[g], s, genome.genePosMax);
    genome.cellPos[k][g] = clampPos(genome.cellPos[k][g], s, genome.genePosMax);
    // The later rows follow, so that rows k..24 always hold the chain as far as it has grown.
    for (int m = k + 1; m < kCellCount; ++m) {
        genome.cellPos[m][g] = genome.cellPos[k][g];
    }
    positionsToValues(genome);
    std::string label = "G";
    label += std::to_string(g + 1);
    label += ' ';
    label += std::to_string(s);
    return label;
}

void drawMutations(ProgramState& state, Services& services) {
    GenomeState& genome = state.genome;

    state.breeding.sequenceShown = true;
    services.controls.setSaveEnabled(true);
    services.controls.showRecordLabels(false);
    beginScreenFigures(state);
    services.random.reseed();
    services.controls.showStatus(seedStatus(services.random.lastSeed()));
    resetMutantTable(genome);

    positionsToValues(genome);
    drawScreenFigure(state, services, 100.0, 900.0, 0, "Orig.");
    std::vector<std::string> labels; // kept with the screen in the history
    labels.reserve(kCellCount - 1);
    for (int r = 0; r < kGridN; ++r) {
        for (int c = 0; c < kGridN; ++c) {
            if (r == 0 && c == 0) {
                continue;
            }
            const int k = kGridN * r + c;
            const std::string& label = labels.emplace_back(makeMutant(genome, services.random, k));
            drawScreenFigure(state, services, 200.0 * c + 100.0, 900.0 - 200.0 * r, k, label);
        }
    }
    services.controls.setReviewVisible(true);
    recordScreen(state, services, ScreenKind::Mutations, std::move(labels));
}

} // namespace vavivor
