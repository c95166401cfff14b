#pragma once

#include "core/genome.h"
#include "core/run_log.h"
#include "run_file.h"

#include <functional>
#include <string>
#include <vector>

namespace vavivor {

// Keeps the run in a run file of the runs folder. The file is made with the first screen bred,
// not at start-up, and named by the time it was made; an opened run goes on in its own file.
// When a line cannot be written (a full disk, a folder that cannot be written) the run is kept
// as far as it got and nothing more is written to it until another run is opened. When the
// file is deleted while the run goes on, the next screen starts a new one with the whole history.
class RunRecorder : public RunLog {
public:
    // `folder` gives the runs folder when the first screen comes; it is made when missing.
    // `now` gives the local time as "2026-12-06T10:15:30"; the system's clock when not given.
    explicit RunRecorder(std::function<std::string()> folder,
                         std::function<std::string()> now = {});

    std::string screenRecorded(const HistoryState& history, int index) override;
    std::string currentMoved(int index) override;
    std::string runOpened(const std::string& name) override;

    // The run file being written; empty before the first screen and after a failure.
    [[nodiscard]] std::string path() const { return m_writer.path(); }

private:
    std::string stopped(const std::string& error);

    std::function<std::string()> m_folder;
    std::function<std::string()> m_now;
    RunFileWriter m_writer;
    bool m_failed = false;
};

// A run file of the runs folder as the list of earlier runs shows it.
struct RunListing {
    std::string path;
    std::string started;   // ISO 8601 local time; empty for a damaged file
    int screens = 0;       // entries of its history
    GeneSet lastCentral{}; // the central figure of the screen it ended on
    std::string error;     // why it cannot be opened, for a damaged file
};

// The run files in `folder`, newest first; damaged ones after them with their reason. A
// folder that does not exist holds none.
std::vector<RunListing> listRuns(const std::string& folder);

// Deletes the run file at `path`. False with a sentence in `error` on failure.
bool deleteRunFile(const std::string& path, std::string* error);

} // namespace vavivor
