#pragma once

#include "core/history.h"

#include <optional>
#include <string>
#include <string_view>

namespace vavivor {

// A run file keeps the screens of one run as they are made. It is JSON Lines: a header
// {"format":"vavivor-run","version":1,"started":"2026-12-06T10:15:30"}, then one line per event,
// either a screen recorded in the history
//   {"entry":3,"parent":1,"kind":"mutations","central":"5,5,5,5,5,5,5,5","chain":[25 gene lists],
//    "labels":[24 mutant labels],"seed":1234567,"record":7,"store":"/path/figures.zlr"}
// (chain only when it holds anything, labels for DRAW MUTATIONS, seed, record and store when
// set, and "figures" only for a screen that the builders would not draw the same again), or a
// move of the current entry {"current":2} (Back, Forward, the family tree, an opened run).
// Every line reaches the disk before the next is written, so that a run stopped at any moment
// keeps every screen made before; a last line cut short by the stop is dropped on reading.
inline constexpr const char* kRunFormatName = "vavivor-run";
inline constexpr int kRunFormatVersion = 1;
inline constexpr const char* kRunsFolderName = "runs";
inline constexpr const char* kRunFileSuffix = ".vrun";

struct RunFile {
    HistoryState history;
    std::string started; // ISO 8601 local time
};

struct RunFileRead {
    std::optional<RunFile> run;
    std::string error; // one sentence naming the file and the reason, when run is empty
};

// Reads the run file at `path`: the history as it stood when the run ended, its entries, their
// parents and the current entry.
RunFileRead readRunFile(const std::string& path);

// The same from the text of a run file; `path` only names the file in messages.
RunFileRead parseRunText(std::string_view text, const std::string& path);

// The lines of a run file, each with its line end.
std::string runHeaderLine(const std::string& started);
std::string runScreenLine(const HistoryState& history, int index);
std::string runMoveLine(int index);

// The file name of a run started at `started` ("2026-12-06T10:15:30"):
// run-2026-12-06T10-15-30.vrun, with no colons, which some file systems refuse.
std::string runFileName(const std::string& started);

// Adds lines to one run file. Each line goes out in one write and is on the disk when
// append() returns true.
class RunFileWriter {
public:
    RunFileWriter() = default;
    ~RunFileWriter();
    RunFileWriter(const RunFileWriter&) = delete;
    RunFileWriter& operator=(const RunFileWriter&) = delete;

    // Creates a new run file at `path` (never over an existing file) holding `firstLines`, the
    // header and the first screen, so that no run file is ever without a screen.
    bool create(const std::string& path, const std::string& firstLines, std::string* error);
    // Opens the existing run file at `path` to go on with it. A last line cut short is cut
    // off first, so that what follows starts on a line of its own. The file stays locked while
    // it is open; a file that another copy of the program holds is not opened
    // (heldElsewhere()).
    bool reopen(const std::string& path, std::string* error);
    bool append(const std::string& line, std::string* error);

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    // Whether the open file has been deleted since it was opened.
    [[nodiscard]] bool fileGone() const;
    [[nodiscard]] const std::string& path() const { return m_path; }
    // Whether the last reopen() found the file held by another copy of the program.
    [[nodiscard]] bool heldElsewhere() const { return m_heldElsewhere; }
    void close();

private:
    int m_fd = -1;
    bool m_heldElsewhere = false;
    std::string m_path;
};

} // namespace vavivor
