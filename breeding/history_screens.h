#pragma once

#include "core/program_state.h"
#include "core/screen.h"
#include "core/services.h"

namespace vavivor {

// Records `screen`, just drawn, in the history as a child of the current entry.
void recordScreen(ProgramState& state, Services& services, Screen screen);

// Draws a screen drawn before (a screen of the history, a loaded record) again on the visible
// picture area in its current layout: the gene editor on its central figure first, then the
// same figures and labels, with the print pause in the full-screen layout; the pick state is
// left alone. The record number of a loaded record is shown while it names a record of the
// current storage file.
void showScreenAgain(ProgramState& state, Services& services, const Screen& screen);

// Shows a loaded record's screen: the gene editor on its central figure, the relatives or review
// screen, its number in Label2 and Label3; then records it in the history.
void showLoadedRecord(ProgramState& state, Services& services, const Screen& screen);

// Makes entry `index` current and shows its screen again; a sequence can then be reviewed.
// False, drawing nothing, for an index that is no entry.
bool showHistoryEntry(ProgramState& state, Services& services, int index);

// Go > Back and Go > Forward (Forward follows the child visited last). Nothing happens where
// there is no such screen.
void goBack(ProgramState& state, Services& services);
void goForward(ProgramState& state, Services& services);

} // namespace vavivor
