#pragma once

#include "core/program_state.h"
#include "core/services.h"
#include "store_choice_view.h"
#include "store_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vavivor {

// The bookkeeping of one storage file as a scan finds it.
struct StoreScan {
    bool ok = false;
    std::string error; // a sentence naming the file and the reason, when not ok
    std::int16_t nextRecord = 1;
    std::vector<std::int16_t> recordUsed{0, 0};
    bool storeHasRecords = false;
    // When the file does not look like a storage file (storeFileProblem): a sentence naming the
    // file and the reason. The scan is ok all the same.
    std::string notAStore;
};

// The most records a storage file may hold: nextRecord must stay a signed 16-bit number.
inline constexpr int kMaxRecords = 32766;

// Reads the storage list at `path` into storeCount, storeList, currentEntry and currentStore,
// then fills the storage-file choice. A missing list is created naming the default storage
// file; a damaged one is kept aside and replaced in the same way, with a message; one that
// cannot be read leaves the default storage file alone in the list, with a message.
void readStoreList(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                   const std::string& path);

// Rewrites the storage list file from storeList with `count` entries and `current` as the
// current one, replacing the old file only once the new one is whole. A failure is reported
// in a message box and leaves the old file; returns whether the list was written.
bool writeStoreList(const ProgramState& state, Services& services, int count, int current);

// The same for a list that is not (yet) the program's.
bool writeStoreListEntries(const ProgramState& state, Services& services,
                           const std::vector<std::string>& storeList, int count, int current);

// The position of `path` in storeList (exact, case-sensitive), or 0.
std::int16_t findStore(const StoreState& store, const std::string& path);

// The bookkeeping of the storage file at `path`; a missing file is created empty.
StoreScan scanStoreFile(const std::string& path);

// Why `record` does not look like a record of a storage file, or nothing: records in this
// format hold 0 or -1 as the deleted flag and as the kind. Positions are not looked at: a
// record with a damaged position is listed, and refused on loading.
std::optional<std::string> recordProblem(const StorageRecord& record);

// Why a file read into `contents` is not a storage file, or nothing: its length must be a
// whole number of 960-byte records (for reading, a trailing part is tolerated; a file to be
// taken as a storage file has none), and every record must pass recordProblem. An empty
// file is a storage file. The reason reads on from "... is not a storage file: ".
std::optional<std::string> storeFileProblem(const StoreContents& contents);

// Rebuilds nextRecord, recordUsed and storeHasRecords from currentStore. A file that cannot be
// read is reported in a message box and the bookkeeping stays as it was; returns whether the
// scan succeeded.
bool scanStore(ProgramState& state, Services& services);

// Takes a scan's bookkeeping into the program's.
void applyScan(StoreState& store, const StoreScan& scan);

// Refills the list lstZel of the storage-file selection with storeList(1..storeCount).
void fillStoreChoice(const StoreState& store, StoreChoiceView& storeChoice);

// Start-up's storage steps: the storage list at storeListPath, then the scan of the current
// storage file. When that file cannot be used (a Windows path from an old list, a missing
// drive), the default storage file is current for this run, with a message; the list on disk
// is not changed.
void storageStartUp(ProgramState& state, Services& services, StoreChoiceView& storeChoice);

// Titles of the program's own messages about storage files and the storage list.
inline constexpr const char* kStoreFileTitle = "STORAGE FILE";
inline constexpr const char* kStoreListTitle = "STORAGE LIST";

} // namespace vavivor
