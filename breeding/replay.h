#pragma once

#include "core/genome.h"
#include "core/picture.h"
#include "core/program_state.h"
#include "core/services.h"

#include <string>
#include <vector>

namespace vavivor {

// Go > Replay Lineage: the central figures of the screens on the way from the first screen to
// the current one, drawn one at a time in the full-screen layout on the visible picture area,
// the gene editor following each. Nothing is bred, recorded or printed, and when the replay
// ends the picture area, the gene editor and the status bar show again what they showed before.
struct Replay {
    std::vector<int> entries; // history entries, the first screen first
    int shown = -1;           // the step on the picture area, counted from 0; -1 before the first

    // What was shown when the replay began.
    int area = 0;
    Picture picture;
    GeneSet editor{};
    std::string status;

    [[nodiscard]] int size() const { return static_cast<int>(entries.size()); }
};

// A replay of the way to the current screen, keeping the picture area in use, the gene editor
// and `status`, the note the status bar shows now. It has no steps while the history is empty.
Replay beginReplay(const ProgramState& state, std::string status);

// Draws step `step` (from 0) of the replay filling the picture area, puts its genes into the
// gene editor and says in the status bar which step it is and what its screen was.
void showReplayStep(ProgramState& state, Services& services, Replay& replay, int step);

// The step after the one shown; false, drawing nothing, when the last one is shown.
bool showNextReplayStep(ProgramState& state, Services& services, Replay& replay);

// Draws the picture of before the replay again, puts the gene editor back on the genes it
// showed and the status bar on its note.
void endReplay(ProgramState& state, Services& services, const Replay& replay);

} // namespace vavivor
