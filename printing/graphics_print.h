#pragma once

#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// Prints the visible picture area with the title, the date and the genes of what it shows on
// one page. A printer that fails to take the page is reported in a message box; returns
// whether the page was printed.
bool graphicsPrint(ProgramState& state, Services& services);

// File > Print: the printer-setup dialog, then the page. Cancel prints nothing.
void mnuZELprint_Click(ProgramState& state, Services& services);

// The pause after each full-screen figure: the page at once with Auto-Print, otherwise the
// print-or-continue dialog. After an Auto-Print page has failed, the rest of the screen's
// figures are not printed.
void printPause(ProgramState& state, Services& services);

// The print-or-continue dialog; PRINT opens the printer-setup dialog and prints.
void showPrintChoice(ProgramState& state, Services& services);

} // namespace vavivor
