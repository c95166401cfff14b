#include "print_grid.h"

#include <algorithm>

namespace vavivor {

namespace {

const std::string kEllipsis = "\u2026";

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// The text without its last or first character (UTF-8).
void dropLast(std::string& text) {
    while (!text.empty() && continuationByte(text.back())) {
        text.pop_back();
    }
    if (!text.empty()) {
        text.pop_back();
    }
}

void dropFirst(std::string& text) {
    std::size_t n = text.empty() ? 0 : 1;
    while (n < text.size() && continuationByte(text[n])) {
        ++n;
    }
    text.erase(0, n);
}

} // namespace

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

void printFitted(PrinterPage& page, const std::vector<std::string>& forms, bool lineEnd) {
    if (forms.empty()) {
        return;
    }
    const double edge = page.printableWidth();
    for (const std::string& form : forms) {
        if (page.currentX() + page.textWidth(form) <= edge) {
            page.printText(form, lineEnd);
            return;
        }
    }
    page.setCurrentX(std::max(0.0, edge - page.textWidth(forms.back())));
    page.printText(forms.back(), lineEnd);
}

std::string fittedPath(PrinterPage& page, const std::string& prefix, const std::string& path) {
    const double room = page.printableWidth() - page.currentX();
    const auto fits = [&](const std::string& text) {
        return page.textWidth(prefix + text) <= room;
    };
    if (fits(path)) {
        return path;
    }
    const std::size_t slash = path.rfind('/');
    std::string head = slash == std::string::npos ? std::string() : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash);
    while (!head.empty()) {
        dropLast(head);
        if (fits(head + kEllipsis + name)) {
            return head + kEllipsis + name;
        }
    }
    while (!name.empty() && !fits(kEllipsis + name)) {
        dropFirst(name);
    }
    return kEllipsis + name;
}

} // namespace vavivor
