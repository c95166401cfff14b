#pragma once

#include "core/clock.h"
#include "core/printer_page.h"
#include "core/program_state.h"
#include "core/services.h"

namespace vavivor {

// The page of the graphics print, composed on `page` and not yet ended.
void composeGraphicsPage(ProgramState& state, PrinterPage& page, const Clock& clock);

// Prints the visible picture area with the title, the date and the genes of what it shows on
// one page. A printer that fails to take the page is reported in a message box; returns
// whether the page was printed.
bool graphicsPrint(ProgramState& state, Services& services);

// File > Print: the printer-setup dialog (without a printer the PDF save dialog), then the
// page. Cancel prints nothing.
void printScreen(ProgramState& state, Services& services);

// File > Print Preview: the page that File > Print prints, in the print preview.
void previewScreen(ProgramState& state, Services& services);

// The pause after each full-screen figure: the page at once with Auto-Print, otherwise the
// print-or-continue dialog. After an Auto-Print page has failed, the rest of the screen's
// figures are not printed.
void printPause(ProgramState& state, Services& services);

// Around the print pauses of a full-screen run: with Auto-Print its pages are one run of the
// printer, which writes them into one PDF file when no printer is installed.
void beginPrintPauses(const ProgramState& state, Services& services);
void endPrintPauses(const ProgramState& state, Services& services);

// The print-or-continue dialog; PRINT opens the printer-setup dialog and prints.
void showPrintChoice(ProgramState& state, Services& services);

} // namespace vavivor
