#include "graphics_print.h"

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/number_text.h"
#include "core/picture.h"
#include "print_grid.h"

#include <string>

namespace vavivor {

namespace {

constexpr int kDateColumn = 72;
constexpr int kGenesRow = 43;
constexpr int kGeneNameOffset = 10;
constexpr int kGeneValueOffset = 32;
constexpr int kCellColumnOffset = 9;
constexpr double kPictureTwips = 9840.0;

// One gene line of layouts A and C: number and name at column 16, position and value at 38.
void printGeneLine(PrinterPage& page, const ProgramState& state, int gene, std::int16_t position,
                   float value) {
    const PrintGrid& grid = state.print;
    setPrintColumn(page, grid, grid.printLeftCol + kGeneNameOffset);
    page.printText(std::to_string(gene + 1) + "  " + state.genome.geneName[gene], false);
    setPrintColumn(page, grid, grid.printLeftCol + kGeneValueOffset);
    page.printText(std::to_string(position) + ",  " + singleText(value), true);
}

void printFullScreenGenes(PrinterPage& page, const ProgramState& state) {
    const PrintGrid& grid = state.print;
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText(state.breeding.sequenceShown ? "Mutated Zeloid" : "Zeloid, single gene change",
                   false);
    page.lineEnd();
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("GENES:", false);
    for (int i = 0; i < state.genome.geneCount; ++i) {
        printGeneLine(page, state, i, state.genome.genePos[i], state.genome.geneValue[i]);
    }
}

void printSequenceGenes(PrinterPage& page, const ProgramState& state) {
    const PrintGrid& grid = state.print;
    const int cells = state.screen.gridN * state.screen.gridN;
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("Sequence of mutations", true);
    page.lineEnd();
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("GENES: Or. 1", false);
    for (int j = 2; j < cells; ++j) {
        setPrintColumn(page, grid, grid.printLeftCol + kCellColumnOffset + 3 * j);
        page.printText(std::to_string(j), false);
    }
    page.lineEnd();
    for (int g = 0; g < state.genome.geneCount; ++g) {
        for (int j = 0; j < cells; ++j) {
            setPrintColumn(page, grid, grid.printLeftCol + kCellColumnOffset + 3 * j);
            printNumber(page, state.genome.cellPos[j][g], false);
        }
        page.lineEnd();
    }
}

void printRelativesGenes(PrinterPage& page, const ProgramState& state) {
    const PrintGrid& grid = state.print;
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("Whole set of single gene changes", true);
    page.lineEnd();
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("Central Zeloid Genes", true);
    for (int i = 0; i < state.genome.geneCount; ++i) {
        // The central figure's own values, so that each line's value belongs to its position.
        const std::int16_t position = state.genome.centralPos[i];
        printGeneLine(page, state, i, position, geneValueAt(state.genome, i, position));
    }
}

} // namespace

void composeGraphicsPage(ProgramState& state, PrinterPage& page, const Clock& clock) {
    PrintGrid& grid = state.print;
    grid.printFontSize = 12;
    setPrinterFont(page, "Arial", true, grid.printFontSize);
    setPrintRow(page, grid, grid.printTopRow);
    setPrintColumn(page, grid, grid.printLeftCol);
    page.printText("VAVIVOR", false);
    setPrintColumn(page, grid, kDateColumn);
    printFitted(page, clock.dateForms(), true);
    page.drawPicture(state.screen.surface().picture(),
                     static_cast<double>(grid.printLeftCol) * grid.printColWidth,
                     static_cast<double>(grid.printTopRow + 2) * grid.printRowHeight,
                     kPictureTwips);
    setPrintRow(page, grid, kGenesRow);
    if (state.screen.fullScreen()) {
        printFullScreenGenes(page, state);
    } else if (state.breeding.sequenceShown) {
        printSequenceGenes(page, state);
    } else {
        printRelativesGenes(page, state);
    }
}

bool graphicsPrint(ProgramState& state, Services& services) {
    PrinterPage& page = services.printer;
    composeGraphicsPage(state, page, services.clock);
    if (!page.endDoc()) {
        std::string text = "The page was not printed: " + page.failure();
        if (state.breeding.autoPrint != 0 && state.screen.fullScreen()) {
            text += "\nAuto-Print stops here: the other figures of this screen are drawn "
                    "without printing.";
        }
        services.dialogs.message(text, "VAVIVOR PRINT");
        return false;
    }
    return true;
}

void printScreen(ProgramState& state, Services& services) {
    if (services.printDialogs.setupPrinter("VAVIVOR: GRAPHICS PRINT")) {
        graphicsPrint(state, services);
    }
}

void previewScreen(ProgramState& state, Services& services) {
    services.printDialogs.showPreview("VAVIVOR: PRINT PREVIEW", [&](PrinterPage& page) {
        composeGraphicsPage(state, page, services.clock);
        page.endDoc();
    });
}

void showPrintChoice(ProgramState& state, Services& services) {
    if (services.printDialogs.askPrintChoice() == PrintChoice::Print &&
        services.printDialogs.setupPrinter("VAVIVOR PRINT")) {
        graphicsPrint(state, services);
    }
}

void printPause(ProgramState& state, Services& services) {
    if (state.breeding.autoPrint != 0) {
        if (!state.breeding.autoPrintStopped) {
            state.breeding.autoPrintStopped = !graphicsPrint(state, services);
        }
    } else {
        showPrintChoice(state, services);
    }
}

void beginPrintPauses(const ProgramState& state, Services& services) {
    if (state.breeding.autoPrint != 0) {
        services.printer.beginRun();
    }
}

void endPrintPauses(const ProgramState& state, Services& services) {
    if (state.breeding.autoPrint != 0) {
        services.printer.endRun();
    }
}

} // namespace vavivor
