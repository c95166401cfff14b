#include "relatives.h"

#include "breeding_screen.h"
#include "core/main_controls.h"
#include "history_screens.h"
#include "screen_presenter.h"

namespace vavivor {

void breedRelatives(ProgramState& state, Services& services) {
    startBreedingClick(state, services);
    services.controls.showRecordLabels(false);
    Screen screen = relativesScreen(state.genome.centralPos);
    presentScreen(state, services, screen);
    recordScreen(state, services, std::move(screen));
}

} // namespace vavivor
