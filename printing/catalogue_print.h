#pragma once

#include "core/clock.h"
#include "core/printer_page.h"
#include "core/program_state.h"
#include "core/services.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vavivor {

// What a catalogue document came to.
struct CatalogueOutcome {
    bool started = false;                // a document was composed and ended
    bool printed = false;                // the printer took it
    std::vector<std::string> unreadable; // one sentence per storage file that could not be read
    std::string printerFailure;          // why the printer refused the document
};

// The catalogue of storage file n of the storage list, or of every listed file for n = 0, as
// one document on `page`. A file that cannot be read (missing files are not created) gets a
// note under its heading in place of its records. A number outside the list prints nothing.
CatalogueOutcome printCatalogueDocument(ProgramState& state, PrinterPage& page, const Clock& clock,
                                        std::int16_t n);

// SELECT / ALL of the storage file selection: the document on the program's printer (without
// a printer, into the PDF file the save dialog names; Cancel prints nothing); files that could
// not be read and a printer that failed are reported in a message box.
void printCatalogue(ProgramState& state, Services& services, std::int16_t n);
// The same document in the print preview.
void previewCatalogue(ProgramState& state, Services& services, std::int16_t n);

// The steps of the document. Each leaves the printer's font as the next step expects it.
void printCatalogueTitle(PrintGrid& grid, PrinterPage& page, const Clock& clock);
// The heading and records of storage file k; false, with `error` set, when the file could not
// be read (the heading and a note are printed all the same).
bool printStorageFile(ProgramState& state, PrinterPage& page, int k, std::string* error);
void printColumnHeadings(PrintGrid& grid, PrinterPage& page);
void printPageFooter(const PrintGrid& grid, PrinterPage& page);

} // namespace vavivor
