#pragma once

#include "storage/catalogue.h"
#include "storage/save_record.h"
#include "storage/store_commands.h"
#include "storage/store_list.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vavivor {

// The storage logic on the logic rig, with its program folder in a temporary folder.
class StorageTest : public ::testing::Test {
public:
    StorageTest() { rig.state.screen.storeListPath = path("str-data.txt"); }

    std::string path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string defaultStore() const { return path("def-store.zld"); }
    void startUp() { storageStartUp(rig.state, rig.services, choice); }
    // Starts up with `records`, then `tail`, in the default file.
    void startWith(const std::vector<StorageRecord>& records, const QByteArray& tail = {}) {
        writeRecords(defaultStore(), records, tail);
        startUp();
    }
    // The list file naming the default and `others`, with `current` as the current entry.
    void writeList(std::vector<std::string> others, int current) {
        others.insert(others.begin(), "\\def-store.zld");
        const int count = static_cast<int>(others.size());
        writeBytes(path("str-data.txt"),
                   QByteArray::fromStdString(formatStoreList(count, current, others)));
    }
    std::string listText() const { return fileBytes(path("str-data.txt")).toStdString(); }
    std::vector<std::string> messages() const { return rig.platform.dialogs.messages(); }
    // The one message shown.
    std::string message() const {
        EXPECT_EQ(messages().size(), 1U);
        return messages().empty() ? std::string() : messages().back();
    }
    int save(const std::string& description) {
        rig.platform.dialogs.texts.push_back(description);
        return saveRecord(rig.state, rig.services, findFreeRecord(rig.state.store));
    }
    // Record > Delete on record n, then DELETE in the confirmation.
    void deleteConfirmed(int n) {
        confirmDelete(rig.state, rig.services, confirmation, n);
        deleteConfirmedRecord(rig.state, rig.services, confirmation, catalogue);
    }

    QTemporaryDir dir;
    LogicRig rig;
    FakeStoreChoice choice;
    FakeCatalogue catalogue;
    FakeDeleteView confirmation;
};

} // namespace vavivor
