#include "storage/catalogue_row.h"
#include "storage/store_file.h"
#include "storage/store_lock.h"
#include "storage_rig.h"
#include "support/file_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace vavivor {
namespace {

// ---- Scanning the current storage file

struct ScanCase {
    const char* name;
    std::vector<std::int16_t> flags; // the deleted flag of each record
    QByteArray tail;
    std::vector<std::int16_t> recordUsed;
    std::int16_t freeRecord; // the number the next save takes
};

class ScanTest : public StorageTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanTest, MarksTheLiveRecordsAndSavesIntoTheLowestFreeNumber) {
    const ScanCase& c = GetParam();
    std::vector<StorageRecord> records;
    for (const std::int16_t flag : c.flags) {
        records.push_back(makeRecord(false, "r"));
        records.back().deleted = flag;
    }
    startWith(records, c.tail);
    EXPECT_EQ(rig.state.store.recordUsed, c.recordUsed);
    EXPECT_EQ(rig.state.store.nextRecord, static_cast<int>(c.recordUsed.size()) - 1);
    EXPECT_EQ(rig.state.store.storeHasRecords,
              std::count(c.recordUsed.begin(), c.recordUsed.end(), 1) > 0);
    EXPECT_EQ(findFreeRecord(rig.state.store), c.freeRecord);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScanTest,
    ::testing::Values(
        ScanCase{"second_deleted", {0, -1, 0}, {}, {0, 1, 0, 1, 0}, 2},
        ScanCase{"flag_one", {1, 0}, {}, {0, 0, 1, 0}, 1},
        // A trailing part counts as a record when it is more than half of one.
        ScanCase{"half_a_record", {}, QByteArray(480, '\0'), {0, 0}, 1},
        ScanCase{"more_than_half", {}, QByteArray(481, '\0'), {0, 1, 0}, 2},
        ScanCase{"deleted_tail", {0}, QByteArray(959, '\xFF'), {0, 1, 0, 0}, 2},
        ScanCase{"tail_flag_one", {}, QByteArray(1, '\x01') + QByteArray(480, '\0'), {0, 0, 0}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Saving

struct DescriptionCase {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    std::string stored; // empty: nothing saved
    std::string says;   // in the one message, if any
};

class DescriptionTest : public StorageTest,
                        public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(DescriptionTest, AskedAgainUntilTheDescriptionFits) {
    const DescriptionCase& c = GetParam();
    startUp();
    rig.platform.dialogs.texts.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(saveRecord(rig.state, rig.services, 1), c.stored.empty() ? 0 : 1);
    EXPECT_TRUE(rig.platform.dialogs.texts.empty()) << "every answer was asked for";
    EXPECT_EQ(messages().size(), c.says.empty() ? 0U : 1U);
    for (const std::string& shown : messages()) {
        EXPECT_NE(shown.find(c.says), std::string::npos) << shown;
    }
    std::string error;
    const auto record = readStoreRecord(defaultStore(), 1, &error);
    EXPECT_EQ(record ? descriptionText(*record) : std::string(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DescriptionTest,
    ::testing::Values(
        DescriptionCase{"accents_count_once", {"éééééééééééééééééééé"}, "éééééééééééééééééééé", ""},
        DescriptionCase{
            "outside_code_page", {"Łódź", "Lodz €"}, "Lodz €              ", "cannot hold \"Ł\""},
        DescriptionCase{"too_long_then_cancel",
                        {std::string(21, 'x'), std::nullopt},
                        "",
                        "The description must be between 1 and 20 char."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, ASaveThatCannotBeWrittenIsReportedAndChangesNothing) {
    startWith({makeRecord(false, "one")});
    rig.controls.loadEnabled = false;
    // Refused before the description is asked for, so that nothing typed is lost.
    const auto refused = [this](const std::string& says) {
        rig.platform.dialogs.shown.clear();
        rig.platform.dialogs.texts.clear();
        EXPECT_EQ(save("lost?"), 0);
        EXPECT_NE(message().find(says), std::string::npos) << message();
        EXPECT_NE(message().find(defaultStore()), std::string::npos) << message();
        EXPECT_EQ(rig.platform.dialogs.texts.size(), 1U) << "the description was asked for";
    };
    // A lock held by another copy: the save waits, then gives up.
    {
        StoreLock other(defaultStore());
        std::string error;
        ASSERT_TRUE(other.acquire(&error)) << error;
        refused("another copy of Vavivor");
    }
    EXPECT_EQ(fileBytes(defaultStore()).size(), 960);
    // Filled up by another copy since the scan.
    QFile file(QString::fromStdString(defaultStore()));
    ASSERT_TRUE(file.resize(static_cast<qint64>(kMaxRecords) * 960));
    refused("is full");
    EXPECT_EQ(QFileInfo(file).size(), static_cast<qint64>(kMaxRecords) * 960);
    // Replaced by a folder, which cannot be opened for writing.
    ASSERT_TRUE(file.remove());
    ASSERT_TRUE(QDir(dir.path()).mkdir("def-store.zld"));
    refused("def-store.zld");
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 0}));
    EXPECT_FALSE(rig.controls.loadEnabled);
}

// Runs `act` as on a full disk that takes `limit` bytes a file and returns the messages it
// showed.
std::string onFullDisk(std::uint64_t limit, const std::function<void()>& act, const LogicRig& rig) {
    return underFileSizeLimit(limit, [&] {
        act();
        std::string shown;
        for (const std::string& text : rig.platform.dialogs.messages()) {
            shown += text + "\n";
        }
        return shown;
    });
}

// A write that stops half-way leaves the file as it was and names the reason.
TEST_F(StorageTest, ASaveOrDeleteOnAFullDiskLeavesTheFileAsItWasAndSaysWhy) {
    // The freed record 2 rewritten, or record 3 appended, each stopped in its middle.
    for (const bool freed : {true, false}) {
        startWith({makeRecord(false, "one"), makeRecord(false, "two", startGenes(), freed)});
        const QByteArray before = fileBytes(defaultStore());
        const std::string shown =
            onFullDisk((freed ? 960 : 1920) + 512, [this] { save("half"); }, rig);
        EXPECT_NE(shown.find(defaultStore() + ": File too large. Nothing has been saved."),
                  std::string::npos)
            << shown;
        EXPECT_EQ(fileBytes(defaultStore()), before) << "freed " << freed;
    }
    // Deleting record 2, stopped after the first byte of its flag.
    const QByteArray before = fileBytes(defaultStore());
    const std::string shown = onFullDisk(
        960 + 1, [this] { deleteConfirmed(2); }, rig);
    EXPECT_NE(shown.find("File too large. Nothing has been deleted."), std::string::npos) << shown;
    EXPECT_EQ(fileBytes(defaultStore()), before);
}

// ---- The catalogue, loading and deleting records

// Four-digit numbers keep their column; positions that are no number 1..9 show as "?", and the
// picture beside a row is drawn only from a whole figure.
TEST(CatalogueRowTest, NumberedAlignedAndUnreadablePositionsAsQuestionMarks) {
    const GeneSet genes{1, 2, 3, 4, 5, 6, 7, 9};
    StorageRecord single = makeRecord(false, "x", genes);
    EXPECT_EQ(catalogueLine(catalogueRow(1234, single)).substr(0, 7), "1234R\tx");
    EXPECT_EQ(firstFigure(catalogueRow(1, single)), genes);
    single.cell(0, 0) = std::numeric_limits<float>::quiet_NaN();
    single.cell(0, 1) = 4.5F;
    single.cell(0, 2) = 1e9F;
    EXPECT_EQ(catalogueLine(catalogueRow(12, single)).substr(26), "?  4  ?  4  5  6  7  9  ");
    for (const float cell : {std::numeric_limits<float>::quiet_NaN(), 0.0F, 9.5F}) {
        StorageRecord record = makeRecord(false, "x", genes);
        record.cell(0, 7) = cell;
        EXPECT_EQ(firstFigure(catalogueRow(1, record)), std::nullopt) << cell;
    }
}

TEST_F(StorageTest, TheCatalogueListsLiveWholeRecordsAndMapsRowsToNumbers) {
    // Behind the records more than half a record, but not a whole one.
    startWith({makeRecord(false, "one"), deletedElsewhere(makeRecord(true, "two")),
               makeRecord(true, "three")},
              QByteArray(700, '\0'));
    showCatalogue(rig.state, rig.services, catalogue);
    ASSERT_EQ(catalogue.rows.size(), 2U);
    EXPECT_EQ(catalogue.rows[1], catalogueRow(3, makeRecord(true, "three")));
    catalogue.selected = 1;
    EXPECT_EQ(selectedRecord(rig.state, rig.services, catalogue), 3);
    catalogue.selected = -1;
    EXPECT_EQ(selectedRecord(rig.state, rig.services, catalogue), 0);
    EXPECT_EQ(message(), "You must SELECT an item first.");

    // A file that cannot be read gives a message instead.
    rig.platform.dialogs.shown.clear();
    rig.state.store.currentStore = path("no-folder/s.zlr");
    catalogue.visible = false;
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_FALSE(catalogue.visible);
    EXPECT_TRUE(catalogue.rows.empty());
    EXPECT_NE(message().find(path("no-folder/s.zlr")), std::string::npos);
}

TEST_F(StorageTest, DeletingRecordsFromTheTopDownDisablesLoadingAtRecordOne) {
    startWith({makeRecord(false, "one"), makeRecord(false, "two")});
    deleteConfirmed(1);
    deleteConfirmed(2);
    EXPECT_TRUE(rig.controls.loadEnabled) << "record 1 went first";
    EXPECT_TRUE(catalogue.rows.empty());
    EXPECT_EQ(save("three"), 1);
    deleteConfirmed(1);
    EXPECT_FALSE(rig.controls.loadEnabled);
    EXPECT_EQ(fileBytes(defaultStore()).left(2), QByteArray("\xFF\xFF"));
}

TEST_F(StorageTest, StoredPositionsAreRoundedAsTheCatalogueShowsThem) {
    StorageRecord chain = makeRecord(true, "written elsewhere");
    chain.cell(0, 1) = 4.5F;       // a half goes to the even neighbour
    chain.cell(0, 2) = 5.0000005F; // a float a little off a whole number
    chain.cell(24, 7) = 8.5F;      // the last mutant, last gene
    startWith({chain});
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_EQ(firstFigure(catalogue.rows[0]), (GeneSet{5, 4, 5, 5, 5, 5, 5, 5}));
    catalogue.selected = 0;
    const auto screen = loadSelectedRecord(rig.state, rig.services, catalogue);
    EXPECT_FALSE(catalogue.visible);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->central, (GeneSet{5, 4, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(screen->chain[24][7], 8);
}

// DELETE deletes the record the confirmation showed, from the file it was read from, or nothing.
TEST_F(StorageTest, ARecordThatChangedSinceItWasShownIsNotDeleted) {
    const auto one = makeRecord(false, "one");
    writeRecords(defaultStore(), {one, makeRecord(false, "two")});
    writeRecords(path("b.zlr"), {makeRecord(false, "b one")});
    startUp();
    // Meanwhile another copy has deleted record 2 and saved another record into its number.
    confirmDelete(rig.state, rig.services, confirmation, 2);
    writeRecords(defaultStore(), {one, makeRecord(false, "new")});
    const QByteArray before = fileBytes(defaultStore());
    deleteConfirmedRecord(rig.state, rig.services, confirmation, catalogue);
    EXPECT_EQ(message(), "Record 2 of the storage file " + defaultStore() +
                             " has changed since it was shown; nothing has been deleted.");
    EXPECT_EQ(fileBytes(defaultStore()), before);
    EXPECT_EQ(catalogue.rows.size(), 2U) << "the list shows the file as it is now";

    // Meanwhile another storage file has become the current one.
    rig.platform.dialogs.shown.clear();
    confirmDelete(rig.state, rig.services, confirmation, 1);
    changeStore(rig.state, rig.services, choice, path("b.zlr"));
    const QByteArray other = fileBytes(path("b.zlr"));
    deleteConfirmedRecord(rig.state, rig.services, confirmation, catalogue);
    EXPECT_NE(message().find("has changed since record 1 of the storage file " + defaultStore()),
              std::string::npos)
        << message();
    EXPECT_EQ(fileBytes(path("b.zlr")), other);
    EXPECT_EQ(fileBytes(defaultStore()), before);
}

class DamagedRecordTest : public StorageTest, public ::testing::WithParamInterface<float> {};

TEST_P(DamagedRecordTest, IsListedButNeverDrawnAndTheCatalogueStaysOpen) {
    StorageRecord damaged = makeRecord(true, "damaged");
    damaged.cell(13, 4) = GetParam(); // deep inside the sequence
    startWith({damaged});
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_EQ(catalogue.rows.size(), 1U);
    catalogue.selected = 0;
    EXPECT_FALSE(loadSelectedRecord(rig.state, rig.services, catalogue)) << "nothing to draw";
    EXPECT_TRUE(catalogue.visible) << "another record can be chosen";
    EXPECT_NE(message().find("Record 1 of the storage file " + defaultStore()), std::string::npos);
}

// Not a number, or rounding to 10 or (half to even) to 0.
INSTANTIATE_TEST_SUITE_P(Positions, DamagedRecordTest,
                         ::testing::Values(std::numeric_limits<float>::quiet_NaN(), 9.5F, 0.5F));

// ---- Changing and deleting storage files

// A file that cannot become the current one, and the words of the message naming it.
struct UnusableCase {
    const char* name;
    std::string file;
    std::string says;
    bool listUnwritable = false;
};

class UnusableStoreTest : public StorageTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableStoreTest, IsNamedInAMessageAndNothingChanges) {
    startUp();
    const std::string list = listText();
    if (GetParam().listUnwritable) {
        rig.state.screen.storeListPath = path("list-folder");
        QDir(dir.path()).mkdir("list-folder");
    }
    rig.platform.dialogs.files = {path(GetParam().file)};
    changeStorageFile(rig.state, rig.services, choice);
    EXPECT_EQ(rig.platform.dialogs.fileMustExist, std::vector<bool>{false}) << "may be new";
    EXPECT_NE(message().find(GetParam().says), std::string::npos) << message();
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, 1);
    EXPECT_EQ(listText(), list);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new.zlr"))) << "a new file is taken away";
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableStoreTest,
                         ::testing::Values(UnusableCase{"cannot_be_created", "missing-folder/x.zlr",
                                                        "missing-folder/x.zlr"},
                                           UnusableCase{"quote_in_name", "new.zlr\"x",
                                                        "a double quote or a line break"},
                                           UnusableCase{"list_cannot_be_written", "new.zlr",
                                                        "Could not write the storage list", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vavivor
