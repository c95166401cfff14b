#include "catalogue.h"

#include "core/dialogs.h"
#include "core/main_controls.h"
#include "store_file.h"
#include "store_list.h"
#include "store_lock.h"

#include <optional>
#include <vector>

namespace vavivor {

void showCatalogue(ProgramState& state, Services& services, CatalogueView& view) {
    if (!fillCatalogue(state, services, view)) {
        return;
    }
    view.setStoreCaption("Storage file: " + state.store.currentStore);
    view.showWindow();
}

bool fillCatalogue(ProgramState& state, Services& services, CatalogueView& view) {
    std::vector<std::int16_t>& map = state.catalogue.catalogueMap;
    view.clearRows();
    map.assign(1, 0);
    std::string error;
    // The rows are made while the file is read a piece at a time, so that a large file is
    // never held whole.
    std::vector<CatalogueRow> rows;
    const auto contents = readStoreRecords(state.store.currentStore, &error,
                                           [&rows](int r, const StorageRecord& record) {
                                               if (!record.isDeleted()) {
                                                   rows.push_back(catalogueRow(r, record));
                                               }
                                           });
    if (!contents) {
        services.dialogs.message(error, kStoreFileTitle);
        return false;
    }
    const auto whole = static_cast<std::int64_t>(contents->length / kRecordSize);
    if (whole > kMaxRecords) {
        services.dialogs.message("The storage file " + state.store.currentStore + " holds " +
                                     std::to_string(whole) + " records, more than the " +
                                     std::to_string(kMaxRecords) + " that Vavivor can number.",
                                 kStoreFileTitle);
        return false;
    }
    map.reserve(rows.size() + 1);
    for (const CatalogueRow& row : rows) {
        map.push_back(static_cast<std::int16_t>(row.number));
        view.addRow(row);
    }
    return true;
}

std::int16_t selectedRecord(const ProgramState& state, Services& services,
                            const CatalogueView& view) {
    const int row = view.selectedRow();
    const auto& map = state.catalogue.catalogueMap;
    if (row < 0 || static_cast<std::size_t>(row) + 1 >= map.size()) {
        services.dialogs.message(kSelectFirst, kListRecordTitle);
        return 0;
    }
    return map[static_cast<std::size_t>(row) + 1];
}

std::optional<Screen> screenOfRecord(const StorageRecord& record, int n, const std::string& store) {
    // Check every figure the record holds before any of it is taken.
    const int figures = record.isSequence() ? kCellCount : 1;
    MutantTable table{};
    for (int f = 0; f < figures; ++f) {
        const std::optional<GeneSet> genes = figureGenes(record, f);
        if (!genes) {
            return std::nullopt;
        }
        table[static_cast<std::size_t>(f)] = *genes;
    }
    Screen screen = record.isSequence() ? reviewScreen(table[0], table) : relativesScreen(table[0]);
    screen.recordNumber = static_cast<std::int16_t>(n);
    screen.store = store;
    return screen;
}

std::optional<Screen> readRecord(ProgramState& state, Services& services, int n) {
    const std::string& path = state.store.currentStore;
    std::string error;
    const auto record = readStoreRecord(path, n, &error);
    if (!record) {
        services.dialogs.message(error, kStoreFileTitle);
        return std::nullopt;
    }
    auto screen = screenOfRecord(*record, n, path);
    if (!screen) {
        services.dialogs.message("Record " + std::to_string(n) + " of the storage file " + path +
                                     " cannot be shown: its gene positions are not all whole "
                                     "numbers from 1 to 9. The record is damaged.",
                                 kStoreFileTitle);
    }
    return screen;
}

void confirmDelete(ProgramState& state, Services& services, DeleteView& view, int n) {
    std::string error;
    const auto record = readStoreRecord(state.store.currentStore, n, &error);
    if (!record) {
        services.dialogs.message(error, kStoreFileTitle);
        return;
    }
    view.setRecordCaptions(std::to_string(n), record->isSequence() ? "True" : "False",
                           descriptionText(*record));
    view.setShownRecord({state.store.currentStore, n, encodeRecord(*record)});
    view.showWindow();
}

void deleteRecord(ProgramState& state, Services& services, CatalogueView& view,
                  const ShownRecord& shown) {
    StoreState& store = state.store;
    const int n = shown.number;
    const std::string shownAs = std::to_string(n) + " of the storage file " + shown.path;
    std::string refusal;
    if (shown.path != store.currentStore) {
        refusal = "The current storage file has changed since record " + shownAs +
                  " was shown; nothing has been deleted.";
    } else {
        // The record is read again under the lock, so that the record deleted is the one the
        // user saw.
        StoreLock lock(store.currentStore, IfMissing::Fail);
        std::string error;
        if (!lock.acquire(&error)) {
            services.dialogs.message(error + " Nothing has been deleted.", kStoreFileTitle);
            return;
        }
        const auto now = readStoreRecord(store.currentStore, n, &error, IfMissing::Fail);
        if (!now || encodeRecord(*now) != shown.bytes) {
            refusal = "Record " + shownAs +
                      " has changed since it was shown; nothing has been "
                      "deleted.";
        } else if (!markRecordDeleted(store.currentStore, n, &error)) {
            services.dialogs.message(error + " Nothing has been deleted.", kStoreFileTitle);
            return;
        }
    }
    // The list shows the file as it is now, under its name.
    const auto refill = [&] {
        if (fillCatalogue(state, services, view)) {
            view.setStoreCaption("Storage file: " + store.currentStore);
        }
    };
    if (!refusal.empty()) {
        services.dialogs.message(refusal, kStoreFileTitle);
        refill();
        return;
    }
    if (n >= 0 && static_cast<std::size_t>(n) < store.recordUsed.size()) {
        store.recordUsed[static_cast<std::size_t>(n)] = 0;
    }
    refill();
    if (n == store.nextRecord - 1) {
        store.nextRecord = static_cast<std::int16_t>(store.nextRecord - 1);
        if (store.nextRecord == 1) {
            services.controls.setLoadEnabled(false);
        }
    }
}

std::optional<Screen> loadSelectedRecord(ProgramState& state, Services& services,
                                         CatalogueView& view) {
    const std::int16_t n = selectedRecord(state, services, view);
    if (n <= 0) {
        return std::nullopt;
    }
    auto screen = readRecord(state, services, n);
    if (screen) {
        view.hideWindow();
    }
    return screen;
}

void deleteSelectedRecord(ProgramState& state, Services& services, const CatalogueView& view,
                          const std::function<DeleteView&()>& confirmation) {
    const std::int16_t n = selectedRecord(state, services, view);
    if (n > 0) {
        confirmDelete(state, services, confirmation(), n);
    }
}

void deleteConfirmedRecord(ProgramState& state, Services& services, DeleteView& confirmation,
                           CatalogueView& view) {
    const ShownRecord shown = confirmation.shownRecord();
    confirmation.hideWindow();
    deleteRecord(state, services, view, shown);
}

} // namespace vavivor
