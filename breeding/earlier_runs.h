#pragma once

#include "core/program_state.h"
#include "core/services.h"
#include "storage/run_recorder.h"

#include <string>

namespace vavivor {

inline constexpr const char* kEarlierRunsTitle = "EARLIER RUNS";

// Go > Earlier Runs > Open: the run kept in `path` becomes the history of screens, its current
// screen is shown again, and what is bred next goes on in that run and its file. A file that
// cannot be read is named in a message and nothing changes. True when the run was opened.
bool openRun(ProgramState& state, Services& services, const std::string& path);

// Go > Earlier Runs > Delete: asks first, then deletes the run's file. True when it is gone.
bool deleteRun(Services& services, const RunListing& run);

} // namespace vavivor
