#include "store_commands.h"

#include "core/dialogs.h"
#include "core/main_controls.h"
#include "store_list.h"
#include "store_list_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace vavivor {

namespace {

// Whether `a` and `b` reach the same file: the same device and inode when both exist, whatever
// links, ".." or second names lead there; otherwise the same absolute path once cleaned.
bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    const auto cleaned = [](const std::string& path) {
        return QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    };
    return cleaned(a) == cleaned(b);
}

} // namespace

void changeStorageFile(ProgramState& state, Services& services, StoreChoiceView& storeChoice) {
    for (;;) {
        const std::optional<std::string> path =
            services.dialogs.chooseStorageFile(kChangeTitle, false);
        if (!path || changeStore(state, services, storeChoice, *path)) {
            return;
        }
    }
}

void deleteStorageFile(ProgramState& state, Services& services, StoreChoiceView& storeChoice) {
    for (;;) {
        const std::optional<std::string> path =
            services.dialogs.chooseStorageFile(kDeleteDialogTitle, true);
        if (!path || deleteStore(state, services, storeChoice, *path)) {
            return;
        }
    }
}

bool changeStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                 const std::string& path) {
    StoreState& store = state.store;
    if (path.find_first_of("\"\r\n") != std::string::npos) {
        services.dialogs.message("The storage list cannot name " + path +
                                     ": a double quote or a line break has no place in it. "
                                     "Please rename the file.",
                                 kStoreFileTitle);
        return true;
    }

    // Work on a copy, so that nothing changes unless the file and the list both work out.
    std::vector<std::string> list(store.storeList.begin(),
                                  store.storeList.begin() + store.storeCount + 1);
    int count = store.storeCount;
    int current = findStore(store, path);
    if (current == 0) {
        if (count >= kMaxStoreEntries) {
            services.dialogs.message("The storage list already names " +
                                         std::to_string(kMaxStoreEntries) +
                                         " storage files, as many as it can hold. Delete one "
                                         "before adding " +
                                         path + ".",
                                     kStoreListTitle);
            return true;
        }
        list.push_back(path);
        count += 1;
        current = count;
    }

    const QString file = QString::fromStdString(path);
    const bool existed = QFileInfo::exists(file);
    const StoreScan scan = scanStoreFile(path);
    // The default storage file is taken whatever it holds, as at start-up.
    if (!scan.ok || (!scan.notAStore.empty() && current != 1)) {
        services.dialogs.message((scan.ok ? scan.notAStore : scan.error) +
                                     " The current storage file stays " + store.currentStore + ".",
                                 kStoreFileTitle);
        return true;
    }
    if (!writeStoreListEntries(state, services, list, count, current)) {
        // The scan has just created the file; take it away again.
        if (!existed && QFileInfo(file).size() == 0) {
            QFile::remove(file);
        }
        return true;
    }

    store.storeList = std::move(list);
    store.storeCount = static_cast<std::int16_t>(count);
    store.currentEntry = static_cast<std::int16_t>(current);
    store.currentStore = path;
    applyScan(store, scan);
    services.controls.setLoadEnabled(store.storeHasRecords);
    fillStoreChoice(store, storeChoice);
    services.controls.showStatus("Storage file: " + path);
    return true;
}

bool openStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
               const std::string& path) {
    // The dialog gives full paths, and so does the storage list.
    const std::string full =
        QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath()).toStdString();
    changeStore(state, services, storeChoice, full);
    return state.store.currentStore == full;
}

bool deleteStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                 const std::string& path) {
    StoreState& store = state.store;
    const int i = findStore(store, path);
    if (i == 0) {
        services.dialogs.message(path + " isn't a storage file.", kDeletingTitle);
        return false;
    }
    // The list matches names exactly; what goes is the file itself, however it is named.
    if (i == 1 || sameFile(path, store.storeList[1])) {
        services.dialogs.message("This is the DEFAULT file and it has to remain.", kDeletingTitle);
        return false;
    }
    const bool deletingCurrent = i == store.currentEntry || sameFile(path, store.currentStore);
    if (deletingCurrent) {
        services.dialogs.message("You are about to delete the CURRENT storage file!\nThe DEFAULT "
                                 "will be selected if you continue.",
                                 kDeletingTitle);
    }
    if (!services.dialogs.askYesNo("Are you sure you wish to delete the file " + path + "?",
                                   kDeletingTitle)) {
        return true;
    }

    // The list first: should the file then refuse to go, it is off the list but not lost.
    std::vector<std::string> list(store.storeList.begin(),
                                  store.storeList.begin() + store.storeCount + 1);
    list.erase(list.begin() + i);
    const int count = store.storeCount - 1;
    int current = store.currentEntry;
    if (deletingCurrent) {
        current = 1;
    } else if (current > i) {
        current -= 1;
    }
    if (!writeStoreListEntries(state, services, list, count, current)) {
        return true;
    }
    QFile file(QString::fromStdString(path));
    if (!file.remove() && file.exists()) {
        services.dialogs.message(
            path + " has been taken off the storage list, but the file " +
                "itself could not be deleted: " + file.errorString().toStdString() + ".",
            kDeletingTitle);
    }

    // The array keeps its size; slots past storeCount are not looked at.
    for (int j = i + 1; j <= store.storeCount; ++j) {
        store.storeList[static_cast<std::size_t>(j - 1)] =
            store.storeList[static_cast<std::size_t>(j)];
    }
    store.storeCount = static_cast<std::int16_t>(count);
    store.currentEntry = static_cast<std::int16_t>(current);
    store.currentStore = store.storeList[static_cast<std::size_t>(current)];
    if (deletingCurrent) {
        if (!scanStore(state, services)) {
            applyScan(store, StoreScan{});
        }
        services.controls.setLoadEnabled(store.storeHasRecords);
    }
    fillStoreChoice(store, storeChoice);
    services.controls.showStatus("Storage file: " + store.currentStore);
    return true;
}

} // namespace vavivor
