#include "breeding_screen.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"

namespace vavivor {

void startBreedingClick(ProgramState& state, Services& services) {
    readEditor(state.genome);
    state.breeding.autoPrint = services.controls.autoPrintTicked() ? 1 : 0;
    state.selection.noSelection = true;
}

} // namespace vavivor
