#include "history_screens.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"
#include "relatives.h"
#include "review.h"

#include <utility>

namespace vavivor {

namespace {

void announce(const ProgramState& state, Services& services) {
    const HistoryState& history = state.history;
    services.controls.historyChanged(history.canGoBack(), history.canGoForward());
}

} // namespace

void recordScreen(ProgramState& state, Services& services, ScreenKind kind,
                  std::vector<std::string> labels, std::int16_t recordNumber) {
    HistoryEntry entry;
    entry.kind = kind;
    entry.centralPos = state.genome.centralPos;
    if (kind != ScreenKind::Relatives) {
        entry.cellPos = state.genome.cellPos;
    }
    entry.labels = std::move(labels);
    entry.recordNumber = recordNumber;
    if (recordNumber > 0) {
        entry.store = state.store.currentStore;
    }
    state.history.record(std::move(entry));
    announce(state, services);
}

void redrawEntry(ProgramState& state, Services& services, const HistoryEntry& entry) {
    GenomeState& genome = state.genome;
    const bool sequence = entry.kind != ScreenKind::Relatives;
    state.breeding.sequenceShown = sequence;
    genome.centralPos = entry.centralPos;
    if (sequence) {
        genome.cellPos = entry.cellPos;
    }
    showCentral(genome, services.controls);
    positionsToValues(genome);
    switch (entry.kind) {
    case ScreenKind::Mutations:
        redrawChain(state, services, entry.labels);
        break;
    case ScreenKind::Review:
        reviewSequence(state, services);
        break;
    case ScreenKind::Relatives: {
        const ScreenState& screen = state.screen;
        prepareSurface(screen.surface(), screen.gridFlag[screen.curPic], screen.gridN,
                       screen.picScale);
        drawRelatives(state, services);
        break;
    }
    }
    if (sequence) {
        // The mutant table now holds the chain on the screen, which REVIEW MUTATIONS replays.
        services.controls.setReviewVisible(true);
    }
    // The record number is shown only while it still names a record of the current file.
    const bool fromRecord = entry.recordNumber > 0 && entry.store == state.store.currentStore;
    services.controls.showRecordLabels(fromRecord);
    if (fromRecord) {
        std::string caption(1, ' '); // the sign place of a number
        caption += std::to_string(entry.recordNumber);
        services.controls.setRecordNumberCaption(caption);
    }
}

bool showHistoryEntry(ProgramState& state, Services& services, int index) {
    HistoryState& history = state.history;
    if (!history.goTo(index)) {
        return false;
    }
    announce(state, services);
    // A copy, so that nothing the redraw runs can move the entry under it.
    const HistoryEntry entry = history.entry(index);
    redrawEntry(state, services, entry);
    services.controls.showStatus("Screen " + std::to_string(index + 1) + " of " +
                                 std::to_string(history.size()) + ": " + screenName(entry) + ".");
    return true;
}

void mnuZELback_Click(ProgramState& state, Services& services) {
    if (state.history.canGoBack()) {
        showHistoryEntry(state, services, state.history.entry(state.history.current()).parent);
    }
}

void mnuZELforward_Click(ProgramState& state, Services& services) {
    if (state.history.canGoForward()) {
        showHistoryEntry(state, services, state.history.entry(state.history.current()).lastChild);
    }
}

} // namespace vavivor
