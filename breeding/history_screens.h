#pragma once

#include "core/history.h"
#include "core/program_state.h"
#include "core/services.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vavivor {

// Records the screen just drawn in the history, as a child of the current entry, with
// centralPos and the mutant table; `labels` are the labels of cells 1..24 of a Draw Mutations
// screen, `recordNumber` the record a loaded screen shows (of the current storage file).
void recordScreen(ProgramState& state, Services& services, ScreenKind kind,
                  std::vector<std::string> labels = {}, std::int16_t recordNumber = 0);

// Makes entry `index` current and draws it again on the visible picture area in its current
// layout, as loading a record does: the same figures and labels, the gene editor on its
// central figure, Save enabled, the pick state untouched, the print pause in the full-screen
// layout. False, drawing nothing, for an index that is no entry.
bool showHistoryEntry(ProgramState& state, Services& services, int index);

// Draws `entry` again without touching the history.
void redrawEntry(ProgramState& state, Services& services, const HistoryEntry& entry);

// Go > Back and Go > Forward (Forward follows the child visited last). Nothing happens where
// there is no such screen.
void mnuZELback_Click(ProgramState& state, Services& services);
void mnuZELforward_Click(ProgramState& state, Services& services);

} // namespace vavivor
