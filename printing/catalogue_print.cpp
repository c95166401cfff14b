#include "catalogue_print.h"

#include "core/dialogs.h"
#include "print_grid.h"
#include "storage/catalogue_row.h"
#include "storage/record_io.h"
#include "storage/store_file.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace vavivor {

namespace {

constexpr int kDateColumn = 70;
constexpr int kDescriptionOffset = 9;
constexpr int kFileHeadingRows = 52; // a file heading below this row starts a new page
constexpr int kFooterRow = 59;
constexpr int kFooterColumn = 47;
constexpr double kTitlePoints = 14;
constexpr double kHeadingPoints = 12;
constexpr double kRecordPoints = 10;
const std::string kArial = "Arial";

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void setFontPoints(PrintGrid& grid, PrinterPage& page, double points) {
    grid.printFontSize = static_cast<std::int16_t>(points);
    page.setFontSize(grid.printFontSize);
}

// The three lines of one live record.
void printRecord(PrintGrid& grid, PrinterPage& page, const CatalogueRow& row, int geneCount) {
    if (page.currentY() > grid.printBottomY) {
        printPageFooter(grid, page);
        page.newPage();
        setPrintRow(page, grid, grid.printTopRow);
        printColumnHeadings(grid, page);
    }
    const int textColumn = grid.printLeftCol + kDescriptionOffset;
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText(std::to_string(row.number), false);
    setPrintColumn(page, grid, textColumn);
    page.printText(trimmed(row.description), false);
    page.printText(row.sequence ? ", (a sequence of mutations)" : ", (a single Zeloid)", true);
    setPrintColumn(page, grid, textColumn);
    page.printText(row.sequence ? "Genes of first Zeloid: " : "Genes: ", false);
    // Paper shows 0 where the list shows "?".
    const int shown = std::min(geneCount, kGeneCount);
    for (int g = 0; g < shown; ++g) {
        page.printText(std::to_string(row.genes[static_cast<std::size_t>(g)].value_or(0)) + "  ",
                       false);
    }
    page.lineEnd();
    page.lineEnd();
}

int listedCount(const StoreState& store) {
    return std::min<int>(store.storeCount, static_cast<int>(store.storeList.size()) - 1);
}

// Whether n names a listed storage file, or every one (0).
bool listedFile(const StoreState& store, std::int16_t n) {
    return n >= 0 && n <= listedCount(store);
}

} // namespace

void printCatalogueTitle(PrintGrid& grid, PrinterPage& page, const Clock& clock) {
    grid.printFontSize = static_cast<std::int16_t>(kTitlePoints);
    page.setFontName(kArial);
    page.setFontSize(grid.printFontSize);
    page.setFontBold(true);
    setPrintRow(page, grid, grid.printTopRow);
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("VAVIVOR CATALOGUE", false);
    setPrintColumn(page, grid, kDateColumn);
    printFitted(page, clock.dateForms(), true);
    page.setFontBold(false);
    page.lineEnd();
}

void printColumnHeadings(PrintGrid& grid, PrinterPage& page) {
    setFontPoints(grid, page, kHeadingPoints);
    page.setFontBold(true);
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("Record", false);
    setPrintColumn(page, grid, grid.printLeftCol + kDescriptionOffset);
    page.printText("Description", true);
    page.setFontBold(false);
    page.lineEnd();
    setFontPoints(grid, page, kRecordPoints);
}

void printPageFooter(const PrintGrid& grid, PrinterPage& page) {
    page.setFontName("Arial rounded MT Bold");
    page.setFontSize(kRecordPoints);
    setPrintRow(page, grid, kFooterRow);
    setPrintColumn(page, grid, kFooterColumn);
    page.printText("Page ", false);
    printNumber(page, page.pageNumber(), true);
    page.setFontName(kArial);
}

bool printStorageFile(ProgramState& state, PrinterPage& page, int k, std::string* error) {
    PrintGrid& grid = state.print;
    if (page.currentY() > static_cast<double>(kFileHeadingRows) * grid.printRowHeight) {
        printPageFooter(grid, page);
        page.newPage();
        setPrintRow(page, grid, grid.printTopRow);
    }
    const std::string& path = state.store.storeList[static_cast<std::size_t>(k)];
    setFontPoints(grid, page, kTitlePoints);
    page.setFontBold(true);
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("File: " + fittedPath(page, "File: ", path), true);
    page.setFontBold(false);
    page.lineEnd();

    // The print only reads: a missing file is reported, not created.
    const auto contents = readExistingStore(path, error);
    if (!contents) {
        setFontPoints(grid, page, kRecordPoints);
        setPrintColumn(page, grid, grid.printLeftCol);
        // The heading above names the whole path; the note names the file alone, so that a
        // long path cannot push the reason off the page.
        std::string note = *error;
        const std::string name = path.substr(path.rfind('/') + 1);
        for (auto at = note.find(path); at != std::string::npos; at = note.find(path, at)) {
            note.replace(at, path.size(), name);
            at += name.size();
        }
        page.printText(note, true);
        page.lineEnd();
        return false;
    }
    printColumnHeadings(grid, page);
    int number = 0;
    for (const StorageRecord& record : contents->records) {
        ++number;
        if (!record.isDeleted()) {
            printRecord(grid, page, catalogueRow(number, record), state.genome.geneCount);
        }
    }
    return true;
}

CatalogueOutcome printCatalogueDocument(ProgramState& state, PrinterPage& page, const Clock& clock,
                                        std::int16_t n) {
    CatalogueOutcome outcome;
    if (!listedFile(state.store, n)) {
        return outcome;
    }
    const int listed = listedCount(state.store);
    const int first = n == 0 ? 1 : n;
    const int last = n == 0 ? listed : n;
    outcome.started = true;
    printCatalogueTitle(state.print, page, clock);
    for (int k = first; k <= last; ++k) {
        std::string error;
        if (!printStorageFile(state, page, k, &error)) {
            outcome.unreadable.push_back(error);
        }
    }
    printPageFooter(state.print, page);
    outcome.printed = page.endDoc();
    if (!outcome.printed) {
        outcome.printerFailure = page.failure();
    }
    return outcome;
}

void printCatalogue(ProgramState& state, Services& services, std::int16_t n) {
    if (!listedFile(state.store, n) ||
        !services.printDialogs.chooseDestination("VAVIVOR: CATALOGUE PRINT")) {
        return;
    }
    const CatalogueOutcome outcome =
        printCatalogueDocument(state, services.printer, services.clock, n);
    if (!outcome.started) {
        return;
    }
    if (!outcome.printed) {
        services.dialogs.message("The catalogue was not printed: " + outcome.printerFailure,
                                 "VAVIVOR PRINT");
        return;
    }
    if (!outcome.unreadable.empty()) {
        std::string text = "The catalogue was printed without the records of these storage files:";
        for (const std::string& reason : outcome.unreadable) {
            text += "\n" + reason;
        }
        services.dialogs.message(text, "VAVIVOR PRINT");
    }
}

void previewCatalogue(ProgramState& state, Services& services, std::int16_t n) {
    if (!listedFile(state.store, n)) {
        return;
    }
    services.printDialogs.showPreview("VAVIVOR: CATALOGUE PREVIEW", [&](PrinterPage& page) {
        printCatalogueDocument(state, page, services.clock, n);
    });
}

} // namespace vavivor
