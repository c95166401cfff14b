#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vavivor {

inline constexpr const char* kDefaultStoreName = "\\def-store.zld";
// storeCount, currentEntry and record numbers are signed 16-bit.
inline constexpr int kMaxStoreEntries = 32767;
// The longest storage list worth reading: line 1 and 32767 entries, each line at most a path
// of 4096 bytes between its quotes, and CR LF.
inline constexpr std::int64_t kMaxStoreListBytes = (kMaxStoreEntries + 1) * std::int64_t{4100};

// The storage list file as written: entries[0] is entry 1 as it stands in the file, relative
// to the program folder ("\def-store.zld"); the others are full paths.
struct StoreListFile {
    int count = 0;
    int current = 0;
    std::vector<std::string> entries;
};

struct StoreListParse {
    std::optional<StoreListFile> list;
    std::string error; // why the text is not a storage list, when list is empty
};

// Reads the text of a storage list. Line 1 holds the count and the current index separated by
// blanks or a comma; then `count` quoted entries, one a line. Lines may end in CR LF or LF.
// An entry that is not valid UTF-8 is taken as Windows-1252 and converted.
StoreListParse parseStoreList(std::string_view text);

// Line 1 in print zones of 14 columns: each number between a sign place and a blank, the
// second number's sign place in column 15. No line end.
std::string storeListFirstLine(int count, int current);

// The whole file: line 1, then entries[0..count-1] quoted, every line ended by CR LF.
std::string formatStoreList(int count, int current, const std::vector<std::string>& entries);

// The default storage file: `folder` followed by `name` with its backslashes as slashes.
std::string defaultStorePath(const std::string& folder, std::string_view name);

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string& path);

enum class StoreListStatus { Ok, Missing, Unreadable, Malformed };

struct StoreListRead {
    StoreListStatus status = StoreListStatus::Ok;
    StoreListFile list;  // when Ok
    std::string problem; // the reason, when not Ok
};

// Reads and parses the storage list at `path`. What is not a plain file once links are
// followed (a FIFO, a device) or is longer than kMaxStoreListBytes is Malformed and is never
// read; opening never waits.
StoreListRead readStoreListFile(const std::string& path);

// Writes `text` as the file at `path` through a new file that then replaces the old one, so
// a failed write leaves the old list whole. False with a reason in `error` on failure, also
// when `path` names something other than a plain file.
bool writeStoreListFile(const std::string& path, const std::string& text, std::string* error);

// Renames the file at `path` to the first free name of the form path.damaged, path.damaged-2,
// ...; returns the new name, or nothing with a reason in `error`.
std::optional<std::string> setAsideFile(const std::string& path, std::string* error);

} // namespace vavivor
