#pragma once

#include <string>

namespace vavivor {

class HistoryState;

// Where the screens of the run are kept as they are made, so that the run outlives the program.
// Each call returns a sentence naming the file and the reason the first time the run cannot be
// kept, and is empty otherwise: breeding goes on, the run is kept as far as it got.
class RunLog {
public:
    virtual ~RunLog() = default;

    // Entry `index` of `history` has just been recorded.
    virtual std::string screenRecorded(const HistoryState& history, int index) = 0;
    // Entry `index` has become the current one (Back, Forward, the family tree).
    virtual std::string currentMoved(int index) = 0;
    // The run kept in `name` has been opened as the history: what follows goes on in it.
    virtual std::string runOpened(const std::string& name) = 0;
};

inline constexpr const char* kRunFileTitle = "RUN FILE";

} // namespace vavivor
