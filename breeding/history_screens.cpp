#include "history_screens.h"

#include "core/dialogs.h"
#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/run_log.h"
#include "screen_presenter.h"

#include <utility>

namespace vavivor {

namespace {

void announce(const ProgramState& state, Services& services) {
    const HistoryState& history = state.history;
    services.controls.historyChanged(history.canGoBack(), history.canGoForward());
}

// Says once that the run file cannot be written; breeding goes on.
void keepRun(Services& services, const std::string& problem) {
    if (!problem.empty()) {
        services.dialogs.message(problem, kRunFileTitle);
    }
}

} // namespace

void recordScreen(ProgramState& state, Services& services, Screen screen) {
    HistoryEntry entry;
    entry.screen = std::move(screen);
    const int index = state.history.record(std::move(entry));
    announce(state, services);
    if (services.runLog != nullptr) {
        keepRun(services, services.runLog->screenRecorded(state.history, index));
    }
}

void showScreenAgain(ProgramState& state, Services& services, const Screen& screen) {
    state.genome.centralPos = screen.central;
    showCentral(state.genome);
    presentScreen(state, services, screen);
    const bool fromRecord = screen.recordNumber > 0 && screen.store == state.store.currentStore;
    services.controls.showRecordLabels(fromRecord);
    if (fromRecord) {
        std::string caption(1, ' '); // the sign place of a number
        caption += std::to_string(screen.recordNumber);
        services.controls.setRecordNumberCaption(caption);
    }
}

void showLoadedRecord(ProgramState& state, Services& services, const Screen& screen) {
    showScreenAgain(state, services, screen);
    recordScreen(state, services, screen);
}

bool showHistoryEntry(ProgramState& state, Services& services, int index) {
    HistoryState& history = state.history;
    if (!history.goTo(index)) {
        return false;
    }
    announce(state, services);
    if (services.runLog != nullptr) {
        keepRun(services, services.runLog->currentMoved(index));
    }
    // A copy, so that nothing the print pauses run can move the entry under it.
    const Screen screen = history.entry(index).screen;
    showScreenAgain(state, services, screen);
    if (screen.showsSequence()) {
        // The mutant table now holds the chain on the screen, which REVIEW MUTATIONS replays.
        services.controls.setReviewVisible(true);
    }
    services.controls.showStatus("Screen " + std::to_string(index + 1) + " of " +
                                 std::to_string(history.size()) + ": " + screenName(screen) + ".");
    return true;
}

void goBack(ProgramState& state, Services& services) {
    if (state.history.canGoBack()) {
        showHistoryEntry(state, services, state.history.entry(state.history.current()).parent);
    }
}

void goForward(ProgramState& state, Services& services) {
    if (state.history.canGoForward()) {
        showHistoryEntry(state, services, state.history.entry(state.history.current()).lastChild);
    }
}

} // namespace vavivor
