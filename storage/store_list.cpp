#include "store_list.h"

#include "core/dialogs.h"
#include "store_file.h"
#include "store_list_io.h"

#include <algorithm>

namespace vavivor {

namespace {

// The program's storage list from a list file read at `listPath`: entry 1 lies in the folder
// of the list, whatever folder the file was written in.
void applyList(StoreState& store, const StoreListFile& file, const std::string& listPath) {
    store.storeCount = static_cast<std::int16_t>(file.count);
    store.storeList.assign(1, std::string());
    for (int i = 1; i <= file.count; ++i) {
        const std::string& entry = file.entries[static_cast<std::size_t>(i - 1)];
        store.storeList.push_back(i == 1 ? defaultStorePath(folderOf(listPath), entry) : entry);
    }
    store.currentEntry = static_cast<std::int16_t>(file.current);
    store.currentStore = store.storeList[static_cast<std::size_t>(store.currentEntry)];
}

StoreListFile defaultList(const StoreState& store) {
    return StoreListFile{1, 1, {store.defaultStoreName}};
}

std::string defaultListText(const StoreState& store) {
    return formatStoreList(1, 1, {store.defaultStoreName});
}

std::optional<std::string> lengthProblem(std::int64_t length) {
    if (length % static_cast<std::int64_t>(kRecordSize) == 0) {
        return std::nullopt;
    }
    return "its length of " + std::to_string(length) + " bytes is not a whole number of " +
           std::to_string(kRecordSize) + "-byte records";
}

std::string oddRecord(int n, const std::string& why) {
    return "record " + std::to_string(n) + " does not look like a record (" + why + ")";
}

} // namespace

void readStoreList(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                   const std::string& path) {
    StoreState& store = state.store;
    const StoreListRead read = readStoreListFile(path);
    std::string error;
    switch (read.status) {
    case StoreListStatus::Ok:
        applyList(store, read.list, path);
        break;
    case StoreListStatus::Missing:
        // A fresh installation: the list names the default storage file alone.
        if (!writeStoreListFile(path, defaultListText(store), &error)) {
            services.dialogs.message("Could not create the storage list " + path + ": " + error +
                                         ". The default storage file is used for now.",
                                     kStoreListTitle);
        }
        applyList(store, defaultList(store), path);
        break;
    case StoreListStatus::Unreadable:
        services.dialogs.message("Could not read the storage list " + path + ": " + read.problem +
                                     ". The default storage file is used for now.",
                                 kStoreListTitle);
        applyList(store, defaultList(store), path);
        break;
    case StoreListStatus::Malformed: {
        std::string text = "The storage list " + path + " is damaged: " + read.problem + ". ";
        if (const auto aside = setAsideFile(path, &error)) {
            text += "It has been kept as " + *aside;
            if (writeStoreListFile(path, defaultListText(store), &error)) {
                text += " and replaced by a new list that names the default storage file only.";
            } else {
                text += ", but no new list could be written: " + error +
                        ". The default storage file is used for now.";
            }
        } else {
            text += "It could not be kept aside (" + error +
                    "), so it stays as it is, and the default storage file is used for now.";
        }
        services.dialogs.message(text, kStoreListTitle);
        applyList(store, defaultList(store), path);
        break;
    }
    }
    fillStoreChoice(store, storeChoice);
}

bool writeStoreListEntries(const ProgramState& state, Services& services,
                           const std::vector<std::string>& storeList, int count, int current) {
    std::vector<std::string> entries{state.store.defaultStoreName};
    for (int i = 2; i <= count; ++i) {
        entries.push_back(storeList[static_cast<std::size_t>(i)]);
    }
    std::string error;
    const std::string& path = state.screen.storeListPath;
    if (!writeStoreListFile(path, formatStoreList(count, current, entries), &error)) {
        services.dialogs.message("Could not write the storage list " + path + ": " + error +
                                     ". Nothing has been changed.",
                                 kStoreListTitle);
        return false;
    }
    return true;
}

bool writeStoreList(const ProgramState& state, Services& services, int count, int current) {
    return writeStoreListEntries(state, services, state.store.storeList, count, current);
}

std::int16_t findStore(const StoreState& store, const std::string& path) {
    const int last = std::min<int>(store.storeCount, static_cast<int>(store.storeList.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        if (store.storeList[static_cast<std::size_t>(i)] == path) {
            return static_cast<std::int16_t>(i);
        }
    }
    return 0;
}

StoreScan scanStoreFile(const std::string& path) {
    StoreScan scan;
    // Only the deleted flags and the first odd record count, so the records are not kept.
    std::vector<std::int16_t> live;
    std::optional<std::string> odd;
    const auto contents =
        readStoreRecords(path, &scan.error, [&](int n, const StorageRecord& record) {
            live.push_back(record.isDeleted() ? 0 : 1);
            if (!odd) {
                if (const auto why = recordProblem(record)) {
                    odd = oddRecord(n, *why);
                }
            }
        });
    if (!contents) {
        return scan;
    }
    std::optional<std::string> problem = lengthProblem(contents->length);
    if (!problem) {
        problem = odd;
    }
    if (problem) {
        scan.notAStore = "The file " + path + " is not a storage file: " + *problem + ".";
    }
    const int records = scannedRecords(*contents);
    if (records > kMaxRecords) {
        scan.error = "The storage file " + path + " holds " + std::to_string(records) +
                     " records, more than the " + std::to_string(kMaxRecords) +
                     " that Vavivor can number.";
        return scan;
    }
    scan.ok = true;
    scan.nextRecord = static_cast<std::int16_t>(records + 1);
    scan.recordUsed.assign(static_cast<std::size_t>(scan.nextRecord) + 1, 0);
    for (int r = 1; r <= records; ++r) {
        const auto index = static_cast<std::size_t>(r - 1);
        if (index < live.size() ? live[index] != 0 : scannedLive(*contents, r)) {
            scan.recordUsed[static_cast<std::size_t>(r)] = 1;
            scan.storeHasRecords = true;
        }
    }
    return scan;
}

std::optional<std::string> recordProblem(const StorageRecord& record) {
    const auto field = [](const char* name, std::int16_t value) -> std::optional<std::string> {
        if (value == 0 || value == -1) {
            return std::nullopt;
        }
        return std::string("its ") + name + " is " + std::to_string(value) + ", not 0 or -1";
    };
    if (auto problem = field("deleted flag", record.deleted)) {
        return problem;
    }
    return field("kind", record.kind);
}

std::optional<std::string> storeFileProblem(const StoreContents& contents) {
    if (auto problem = lengthProblem(contents.length)) {
        return problem;
    }
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        if (const auto why = recordProblem(contents.records[i])) {
            return oddRecord(static_cast<int>(i) + 1, *why);
        }
    }
    return std::nullopt;
}

void applyScan(StoreState& store, const StoreScan& scan) {
    store.nextRecord = scan.nextRecord;
    store.recordUsed = scan.recordUsed;
    store.storeHasRecords = scan.storeHasRecords;
}

bool scanStore(ProgramState& state, Services& services) {
    const StoreScan scan = scanStoreFile(state.store.currentStore);
    if (!scan.ok) {
        services.dialogs.message(scan.error, kStoreFileTitle);
        return false;
    }
    applyScan(state.store, scan);
    return true;
}

void fillStoreChoice(const StoreState& store, StoreChoiceView& storeChoice) {
    const int last = std::min<int>(store.storeCount, static_cast<int>(store.storeList.size()) - 1);
    std::vector<std::string> paths;
    for (int i = 1; i <= last; ++i) {
        paths.push_back(store.storeList[static_cast<std::size_t>(i)]);
    }
    storeChoice.setStoreEntries(paths);
}

void storageStartUp(ProgramState& state, Services& services, StoreChoiceView& storeChoice) {
    StoreState& store = state.store;
    readStoreList(state, services, storeChoice, state.screen.storeListPath);
    const StoreScan scan = scanStoreFile(store.currentStore);
    // The default storage file is used whatever it holds: there is nothing to fall back on.
    if (scan.ok && (scan.notAStore.empty() || store.currentEntry == 1)) {
        applyScan(store, scan);
        return;
    }
    if (store.currentEntry == 1) {
        services.dialogs.message(scan.error, kStoreFileTitle);
        return;
    }
    // Work on with the default storage file rather than on a file that cannot be used.
    store.currentEntry = 1;
    store.currentStore = store.storeList[1];
    services.dialogs.message((scan.ok ? scan.notAStore : scan.error) +
                                 " The default storage file " + store.currentStore +
                                 " is used instead.",
                             kStoreFileTitle);
    scanStore(state, services);
}

} // namespace vavivor
