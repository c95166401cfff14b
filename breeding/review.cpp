#include "review.h"

#include "core/gene_editor.h"
#include "history_screens.h"
#include "screen_presenter.h"

namespace vavivor {

void reviewMutations(ProgramState& state, Services& services) {
    GenomeState& genome = state.genome;
    showCentral(genome);
    Screen screen = reviewScreen(genome.centralPos, genome.cellPos);
    presentScreen(state, services, screen);
    recordScreen(state, services, std::move(screen));
}

} // namespace vavivor
