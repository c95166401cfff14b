#include "draw_mutations.h"

#include "breeding_screen.h"
#include "core/main_controls.h"
#include "core/random_source.h"
#include "history_screens.h"
#include "mutation_seed.h"
#include "screen_presenter.h"

namespace vavivor {

void cmdZELMdraw_Click(ProgramState& state, Services& services) {
    startBreedingClick(state, services);
    services.controls.showRecordLabels(false);
    services.random.reseed();
    services.controls.showStatus(seedStatus(services.random.lastSeed()));
    Screen screen = mutationScreen(state.genome.centralPos, services.random);
    presentScreen(state, services, screen);
    services.controls.setReviewVisible(true);
    recordScreen(state, services, std::move(screen));
}

} // namespace vavivor
