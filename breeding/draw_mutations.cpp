#include "draw_mutations.h"

#include "breeding_screen.h"
#include "core/main_controls.h"
#include "core/random_source.h"
#include "history_screens.h"
#include "screen_presenter.h"

namespace vavivor {

void breedMutations(ProgramState& state, Services& services) {
    startBreedingClick(state, services);
    services.controls.showRecordLabels(false);
    services.random.reseed();
    Screen screen = mutationScreen(state.genome.centralPos, services.random);
    screen.seed = services.random.lastSeed();
    presentScreen(state, services, screen);
    services.controls.setReviewVisible(true);
    recordScreen(state, services, std::move(screen));
}

} // namespace vavivor
