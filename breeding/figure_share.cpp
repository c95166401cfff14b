#include "figure_share.h"

#include "core/dialogs.h"
#include "core/figure_picture.h"
#include "core/gene_editor.h"
#include "core/gene_text.h"
#include "core/main_controls.h"
#include "selection.h"

#include <algorithm>
#include <charconv>

namespace vavivor {

namespace {

// The screen on the picture area in use, or nothing while it has shown none.
const Screen* shownScreen(const ProgramState& state) {
    const HistoryState& history = state.history;
    if (!state.selection.screenDrawn[state.screen.curPic] || history.current() < 0) {
        return nullptr;
    }
    return &history.entry(history.current()).screen;
}

// A text that is one position and nothing else, blanks and line ends around it aside.
std::optional<int> singlePosition(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<ScreenFigure> shownCentralFigure(const ProgramState& state) {
    const Screen* screen = shownScreen(state);
    if (screen == nullptr || screen->figures.empty()) {
        return std::nullopt;
    }
    return screen->figures.front();
}

std::optional<ScreenFigure> gridFigureAt(const ProgramState& state, float x, float y) {
    const ScreenState& area = state.screen;
    const Screen* screen = shownScreen(state);
    if (screen == nullptr || area.fullScreen()) {
        return std::nullopt;
    }
    const std::optional<GridCell> cell = hitCell(x, y, area.cellSize, area.gridN);
    if (!cell) {
        return std::nullopt;
    }
    // Rows count from the bottom here, cells from the top.
    const int k = cell->column + (area.gridN - cell->row - 1) * area.gridN;
    const auto found = std::ranges::find(screen->figures, k, &ScreenFigure::cell);
    if (found == screen->figures.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<ScreenFigure> draggedFigure(const ProgramState& state, float x, float y) {
    return state.screen.fullScreen() ? shownCentralFigure(state) : gridFigureAt(state, x, y);
}

void copyFigure(const ScreenFigure& figure, Clipboard& clipboard) {
    clipboard.putFigure(geneText(figure.genes), figurePicture(figure));
}

void copyCentralFigure(const ProgramState& state, Services& services, Clipboard& clipboard) {
    const std::optional<ScreenFigure> figure = shownCentralFigure(state);
    if (!figure) {
        services.dialogs.message("There is no figure to copy yet: the picture area shows no "
                                 "screen. Draw mutations or relatives first.",
                                 kCopyTitle);
        return;
    }
    copyFigure(*figure, clipboard);
    services.controls.showStatus("Copied the central figure: " + geneText(figure->genes) + ".");
}

void putGenesInEditor(ProgramState& state, Services& services, const GeneSet& genes) {
    for (int g = 0; g < state.genome.geneCount; ++g) {
        typeEditorPosition(state.genome, g, genes[static_cast<std::size_t>(g)]);
    }
    services.controls.showStatus("The gene editor holds " + geneText(genes) +
                                 ". Press a DRAW button to breed from them.");
}

bool pasteGenes(ProgramState& state, Services& services, const Clipboard& clipboard) {
    const std::optional<std::string> text = clipboard.text();
    if (!text) {
        services.dialogs.message("The clipboard holds no text, so there are no genes to paste. "
                                 "Nothing was changed.",
                                 kPasteTitle);
        return false;
    }
    const GeneTextRead read = readGeneText(*text, state.genome.genePosMax);
    if (!read.genes) {
        services.dialogs.message(
            "The text on the clipboard is no gene set: " + read.error +
                ". Paste Genes takes eight positions from 1 to 9, such as 5,5,5,5,5,5,5,5 or "
                "the text that Copy puts on the clipboard. Nothing was changed.",
            kPasteTitle);
        return false;
    }
    putGenesInEditor(state, services, *read.genes);
    return true;
}

void copyGenePosition(const ProgramState& state, int gene, Clipboard& clipboard) {
    clipboard.putText(std::to_string(state.genome.editor.position(gene)));
}

void pasteGenePosition(ProgramState& state, Services& services, int gene,
                       const Clipboard& clipboard) {
    const std::optional<std::string> text = clipboard.text();
    if (const std::optional<int> position = text ? singlePosition(*text) : std::nullopt) {
        // As typing it does: a position outside the range writes nothing.
        typeEditorPosition(state.genome, gene, *position);
        return;
    }
    pasteGenes(state, services, clipboard);
}

} // namespace vavivor
