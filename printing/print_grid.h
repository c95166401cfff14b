#pragma once

#include "core/printer_page.h"
#include "core/program_state.h"

#include <string>
#include <vector>

namespace vavivor {

// The printer's current x at print column c.
void setPrintColumn(PrinterPage& page, const PrintGrid& grid, int column);
// The printer's current y at print row r.
void setPrintRow(PrinterPage& page, const PrintGrid& grid, int row);
// A whole number as a number item: a blank (the sign's place) before its digits, one after.
void printNumber(PrinterPage& page, int number, bool lineEnd);
// Prints the first of `forms` that ends within the printable width when it starts at the
// current x. When none does, the last one is moved left until it ends at the edge.
void printFitted(PrinterPage& page, const std::vector<std::string>& forms, bool lineEnd);
// `path` as it fits behind `prefix` from the current x: whole, or with "…" in the middle in place
// of what does not fit, so that its beginning and its file name show. A file name that alone is
// too wide keeps its end.
std::string fittedPath(PrinterPage& page, const std::string& prefix, const std::string& path);
// The font of a printed item: name, bold and size, set in that order.
void setPrinterFont(PrinterPage& page, const std::string& name, bool bold, double points);

} // namespace vavivor
