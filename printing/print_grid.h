#pragma once

#include "core/printer_page.h"
#include "core/program_state.h"

#include <string>

namespace vavivor {

// The printer's current x at print column c.
void setPrintColumn(PrinterPage& page, const PrintGrid& grid, int column);
// The printer's current y at print row r.
void setPrintRow(PrinterPage& page, const PrintGrid& grid, int row);
// A whole number as a number item: a blank (the sign's place) before its digits, one after.
void printNumber(PrinterPage& page, int number, bool lineEnd);
// The font of a printed item: name, bold and size, set in that order.
void setPrinterFont(PrinterPage& page, const std::string& name, bool bold, double points);

} // namespace vavivor
