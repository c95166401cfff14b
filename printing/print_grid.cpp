#include "print_grid.h"

namespace vavivor {

void setPrintColumn(PrinterPage& page, const PrintGrid& grid, int column) {
    page.setCurrentX(static_cast<float>(column) * static_cast<float>(grid.printColWidth));
}

void setPrintRow(PrinterPage& page, const PrintGrid& grid, int row) {
    page.setCurrentY(static_cast<float>(row) * static_cast<float>(grid.printRowHeight));
}

void printNumber(PrinterPage& page, int number, bool lineEnd) {
    std::string text = number < 0 ? "" : " ";
    text += std::to_string(number);
    text += ' ';
    page.printText(text, lineEnd);
}

void setPrinterFont(PrinterPage& page, const std::string& name, bool bold, double points) {
    page.setFontName(name);
    page.setFontBold(bold);
    page.setFontSize(points);
}

} // namespace vavivor
