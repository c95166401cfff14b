#include "earlier_runs.h"

#include "core/dialogs.h"
#include "core/run_log.h"
#include "history_screens.h"

#include <utility>

namespace vavivor {

namespace {

// "2026-12-06T10:15:30" as "2026-12-06 10:15:30".
std::string startText(std::string started) {
    if (const auto t = started.find('T'); t != std::string::npos) {
        started[t] = ' ';
    }
    return started;
}

} // namespace

bool openRun(ProgramState& state, Services& services, const std::string& path) {
    RunFileRead read = readRunFile(path);
    if (!read.run) {
        services.dialogs.message(read.error, kEarlierRunsTitle);
        return false;
    }
    state.history = std::move(read.run->history);
    // The run's file first, so that the move to its current screen is kept in it.
    if (services.runLog != nullptr) {
        if (const std::string problem = services.runLog->runOpened(path); !problem.empty()) {
            services.dialogs.message(problem, kRunFileTitle);
        }
    }
    return showHistoryEntry(state, services, state.history.current());
}

bool deleteRun(Services& services, const RunListing& run) {
    const std::string what = run.error.empty() ? "the run of " + startText(run.started) + " (" +
                                                     std::to_string(run.screens) + " screens)"
                                               : "the damaged run file";
    if (!services.dialogs.askYesNo("Delete " + what + ", " + run.path +
                                       "? It cannot be brought back.",
                                   kEarlierRunsTitle)) {
        return false;
    }
    std::string error;
    if (!deleteRunFile(run.path, &error)) {
        services.dialogs.message(error, kEarlierRunsTitle);
        return false;
    }
    return true;
}

} // namespace vavivor
