#include "save_record.h"

#include "core/dialogs.h"
#include "core/main_controls.h"
#include "store_file.h"
#include "store_list.h"
#include "store_lock.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <optional>

namespace vavivor {

namespace {

constexpr const char* kErrorTitle = "ERROR";

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> result;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U || result.empty()) {
            result.emplace_back();
        }
        result.back() += c;
    }
    return result;
}

bool isControl(const std::string& character) {
    const auto c = static_cast<unsigned char>(character.front());
    return character.size() == 1 && (c < 0x20U || c == 0x7FU);
}

// The first character that a description cannot hold, or nothing.
std::optional<std::string> foreignCharacter(std::string_view text) {
    for (const std::string& c : characters(text)) {
        if (isControl(c) || !encodeDescription(c)) {
            return c;
        }
    }
    return std::nullopt;
}

std::string foreignCharacterMessage(const std::string& c) {
    const std::string shown = isControl(c) ? "a control character" : "\"" + c + "\"";
    return "The description cannot hold " + shown +
           ". It can hold the letters, digits, blanks and signs of the Western European "
           "character set (Windows-1252) only.";
}

// The record number to write: n when it is still free in the file as it is now, else the
// lowest free one there. A number past the end of the file would leave a gap of empty
// records, so it is not taken either.
int freeInFile(const StoreContents& contents, int n) {
    const int records = scannedRecords(contents);
    if (n >= 1 && (n == records + 1 || (n <= records && !scannedLive(contents, n)))) {
        return n;
    }
    for (int r = 1; r <= records; ++r) {
        if (!scannedLive(contents, r)) {
            return r;
        }
    }
    return records + 1;
}

// The bookkeeping after record `written` went into a file whose records were `contents`: it
// also learns the records that another copy of the program has saved or deleted. For a file
// that only this copy writes it changes what the plain rules say and nothing else.
void noteSaved(StoreState& store, const StoreContents& contents, int written) {
    const int records = scannedRecords(contents);
    int highestLive = 0;
    for (int r = 1; r <= records; ++r) {
        if (scannedLive(contents, r)) {
            highestLive = r;
        }
    }
    const int next = std::max({static_cast<int>(store.nextRecord), written + 1, highestLive + 1});
    store.nextRecord = static_cast<std::int16_t>(next);
    if (store.recordUsed.size() < static_cast<std::size_t>(next) + 1) {
        store.recordUsed.resize(static_cast<std::size_t>(next) + 1, 0);
    }
    for (int r = 1; r <= records && r < static_cast<int>(store.recordUsed.size()); ++r) {
        store.recordUsed[static_cast<std::size_t>(r)] = scannedLive(contents, r) ? 1 : 0;
    }
    store.recordUsed[static_cast<std::size_t>(written)] = 1;
}

// Where a save into the file as it is now puts its record, decided under the lock.
struct Placement {
    StoreContents contents;
    int number = 0;
};

// Takes the lock and looks at the file as it is now: the record number that record n goes
// to, or nothing after a message saying why the file cannot take a record (it cannot be
// opened for writing or locked, cannot be read, or is full).
std::optional<Placement> placeRecord(const std::string& path, int n, StoreLock& lock,
                                     Services& services) {
    std::string error;
    if (!lock.acquire(&error)) {
        services.dialogs.message(error + " Nothing has been saved.", kStoreFileTitle);
        return std::nullopt;
    }
    auto contents = readStore(path, &error);
    if (!contents) {
        services.dialogs.message(error + " Nothing has been saved.", kStoreFileTitle);
        return std::nullopt;
    }
    const int number = freeInFile(*contents, n);
    if (number > kMaxRecords) {
        services.dialogs.message("The storage file " + path + " is full: it holds " +
                                     std::to_string(kMaxRecords) +
                                     " records, as many as Vavivor can number. Nothing has "
                                     "been saved; delete a record or choose another storage "
                                     "file.",
                                 kStoreFileTitle);
        return std::nullopt;
    }
    return Placement{std::move(*contents), number};
}

} // namespace

void saveScreen(ProgramState& state, Services& services) {
    saveRecord(state, services, findFreeRecord(state.store));
}

std::int16_t findFreeRecord(const StoreState& store) {
    if (store.nextRecord < 2) {
        return store.nextRecord;
    }
    for (int r = 1; r < store.nextRecord; ++r) {
        if (static_cast<std::size_t>(r) < store.recordUsed.size() &&
            store.recordUsed[static_cast<std::size_t>(r)] == 0) {
            return static_cast<std::int16_t>(r);
        }
    }
    return store.nextRecord;
}

std::string askDescription(const ProgramState& state, Services& services) {
    const std::string title =
        "STORE: " + QString::fromStdString(state.store.currentStore).toUpper().toStdString();
    for (;;) {
        const std::optional<std::string> answer =
            services.dialogs.askText(kDescriptionPrompt, title);
        if (!answer || answer->empty()) {
            return {};
        }
        if (characterCount(*answer) > kDescriptionSize) {
            services.dialogs.message(kDescriptionTooLong, kErrorTitle);
            continue;
        }
        if (const auto c = foreignCharacter(*answer)) {
            services.dialogs.message(foreignCharacterMessage(*c), kErrorTitle);
            continue;
        }
        return *answer;
    }
}

StorageRecord recordToSave(const ProgramState& state,
                           const std::array<char, kDescriptionSize>& description) {
    const GenomeState& genome = state.genome;
    StorageRecord record;
    record.deleted = 0;
    record.kind = state.breeding.sequenceShown ? -1 : 0;
    record.description = description;
    if (state.breeding.sequenceShown) {
        const int cells = state.screen.gridN * state.screen.gridN;
        for (int f = 0; f < cells && f < kCellCount; ++f) {
            for (int g = 0; g < genome.geneCount; ++g) {
                record.cell(f, g) = static_cast<float>(genome.cellPos[f][g]);
            }
        }
    } else {
        for (int g = 0; g < genome.geneCount; ++g) {
            record.cell(0, g) = static_cast<float>(genome.centralPos[g]);
        }
    }
    return record;
}

int saveRecord(ProgramState& state, Services& services, int n) {
    const std::string& path = state.store.currentStore;
    // A file that cannot take the record is reported before the description is typed. The
    // lock is not held while the user types.
    if (StoreLock early(path); !placeRecord(path, n, early, services)) {
        return 0;
    }
    const std::string description = askDescription(state, services);
    if (description.empty()) {
        return 0;
    }
    const StorageRecord record = recordToSave(state, *encodeDescription(description));

    // Another copy of the program may have written the file meanwhile: under the lock, look
    // at the file as it is now before choosing where the record goes.
    StoreLock lock(path);
    const std::optional<Placement> place = placeRecord(path, n, lock, services);
    if (!place) {
        return 0;
    }
    const int written = place->number;
    std::string error;
    if (!writeStoreRecord(path, written, record, &error)) {
        services.dialogs.message(error + " Nothing has been saved.", kStoreFileTitle);
        return 0;
    }
    noteSaved(state.store, place->contents, written);
    services.controls.setLoadEnabled(true);
    std::string status = "Saved as record " + std::to_string(written) + " in " +
                         QFileInfo(QString::fromStdString(path)).fileName().toStdString() + ".";
    if (written != n) {
        status += " Record " + std::to_string(n) + " was no longer free in the file.";
    }
    services.controls.showStatus(status);
    return written;
}

} // namespace vavivor
