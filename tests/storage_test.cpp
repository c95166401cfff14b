#include "breeding/relatives.h"
#include "storage/catalogue.h"
#include "storage/save_record.h"
#include "storage/store_commands.h"
#include "storage/store_file.h"
#include "storage/store_list.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>

namespace vavivor {
namespace {

// The storage logic on the logic rig, with its program folder in a temporary folder.
class StorageTest : public ::testing::Test {
public:
    StorageTest() { rig.state.screen.storeListPath = path("str-data.txt"); }

    std::string path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string defaultStore() const { return path("def-store.zld"); }
    void startUp() { storageStartUp(rig.state, rig.services, choice); }
    // The list file naming the default and `others`, with `current` as the current entry.
    void writeList(std::vector<std::string> others, int current) {
        others.insert(others.begin(), "\\def-store.zld");
        const int count = static_cast<int>(others.size());
        writeBytes(path("str-data.txt"),
                   QByteArray::fromStdString(formatStoreList(count, current, others)));
    }
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
    std::string description(int n) const {
        std::string error;
        return descriptionText(*readStoreRecord(rig.state.store.currentStore, n, &error));
    }
    std::string listText() const { return fileBytes(path("str-data.txt")).toStdString(); }

    QTemporaryDir dir;
    LogicRig rig;
    FakeStoreChoice choice;
    FakeCatalogue catalogue;
};

// Table rows print as their names, in test names too.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// ---- Start-up and the storage list

TEST_F(StorageTest, AFreshInstallationGetsTheDefaultListAndAnEmptyDefaultFile) {
    startUp();
    EXPECT_EQ(listText(), formatStoreList(1, 1, {"\\def-store.zld"}));
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(defaultStore())));
    EXPECT_EQ(fileBytes(defaultStore()).size(), 0);
    EXPECT_EQ(choice.entries, std::vector<std::string>{defaultStore()});
    EXPECT_TRUE(messages().empty());
}

TEST_F(StorageTest, ADamagedListIsKeptAsideAndReplaced) {
    const QByteArray damaged = "3 1\r\n\"\\def-store.zld\"\r\n\"/x.zlr\"\r\n";
    writeBytes(path("str-data.txt"), damaged);
    startUp();
    EXPECT_NE(message().find(path("str-data.txt.damaged")), std::string::npos);
    EXPECT_EQ(fileBytes(path("str-data.txt.damaged")), damaged);
    EXPECT_EQ(listText(), formatStoreList(1, 1, {"\\def-store.zld"}));
}

TEST_F(StorageTest, AListThatCannotBeReadLeavesTheDefaultForNow) {
    QDir(dir.path()).mkdir("str-data.txt");
    startUp();
    EXPECT_NE(message().find("Could not read the storage list " + path("str-data.txt")),
              std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("str-data.txt")).isDir()) << "nothing replaced";
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
}

TEST_F(StorageTest, AWindowsPathFromAnOldListLeavesTheDefaultForNow) {
    writeList({"C:\\Vavivor\\old.zlr"}, 2);
    const std::string list = listText();
    startUp();
    EXPECT_NE(message().find("C:\\Vavivor\\old.zlr"), std::string::npos);
    EXPECT_NE(message().find("Windows path"), std::string::npos);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(listText(), list) << "the entry stays listed";
}

// ---- Scanning the current storage file

struct ScanCase {
    const char* name;
    std::vector<bool> deleted; // one per record
    QByteArray tail;
    std::vector<std::int16_t> recordUsed;
    std::int16_t freeRecord; // the number the next save takes
};

class ScanTest : public StorageTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanTest, MarksTheLiveRecordsAndSavesIntoTheLowestFreeNumber) {
    const ScanCase& c = GetParam();
    QByteArray bytes;
    for (const bool d : c.deleted) {
        bytes += recordBytes(makeRecord(false, "r", startGenes(), d));
    }
    writeBytes(defaultStore(), bytes + c.tail);
    startUp();
    EXPECT_EQ(rig.state.store.recordUsed, c.recordUsed);
    EXPECT_EQ(rig.state.store.nextRecord, static_cast<int>(c.recordUsed.size()) - 1);
    EXPECT_EQ(rig.state.store.storeHasRecords,
              std::count(c.recordUsed.begin(), c.recordUsed.end(), 1) > 0);
    EXPECT_EQ(findFreeRecord(rig.state.store), c.freeRecord);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScanTest,
    ::testing::Values(ScanCase{"empty", {}, {}, {0, 0}, 1},
                      ScanCase{"second_deleted", {false, true, false}, {}, {0, 1, 0, 1, 0}, 2},
                      ScanCase{"all_live", {false, false, false}, {}, {0, 1, 1, 1, 0}, 4},
                      ScanCase{"all_deleted", {true, true}, {}, {0, 0, 0, 0}, 1},
                      // A trailing part counts as a record when it is more than half of one.
                      ScanCase{"half_a_record", {}, QByteArray(480, '\0'), {0, 0}, 1},
                      ScanCase{"more_than_half", {}, QByteArray(481, '\0'), {0, 1, 0}, 2},
                      ScanCase{"small_tail", {true}, QByteArray(400, '\0'), {0, 0, 0}, 1},
                      ScanCase{"large_tail", {true}, QByteArray(600, '\0'), {0, 0, 1, 0}, 1},
                      ScanCase{"deleted_tail", {false}, QByteArray(959, '\xFF'), {0, 1, 0, 0}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Saving

struct DescriptionCase {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    std::string stored; // empty: nothing saved
    std::vector<std::string> messages;
};

class DescriptionTest : public StorageTest,
                        public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(DescriptionTest, AskedAgainUntilTheDescriptionFits) {
    const DescriptionCase& c = GetParam();
    startUp();
    rig.platform.dialogs.texts.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(saveRecord(rig.state, rig.services, 1), c.stored.empty() ? 0 : 1);
    EXPECT_TRUE(rig.platform.dialogs.texts.empty()) << "every answer was asked for";
    EXPECT_EQ(rig.platform.dialogs.shown.front().text,
              "Please enter a description for the Zeloid/s\n(Not longer than 20 characters).");
    ASSERT_EQ(messages().size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_NE(messages()[i].find(c.messages[i]), std::string::npos) << messages()[i];
    }
    if (c.stored.empty()) {
        EXPECT_EQ(fileBytes(defaultStore()).size(), 0) << "nothing written";
    } else {
        EXPECT_EQ(description(1), c.stored);
    }
}

const std::string kTooLong = "The description must be between 1 and 20 char.";

INSTANTIATE_TEST_SUITE_P(
    Answers, DescriptionTest,
    ::testing::Values(
        DescriptionCase{"twenty_one_then_short",
                        {"123456789012345678901", "short"},
                        "short               ",
                        {kTooLong}},
        DescriptionCase{"blanks", {"   "}, std::string(20, ' '), {}},
        DescriptionCase{"accents_count_once", {"éééééééééééééééééééé"}, "éééééééééééééééééééé", {}},
        DescriptionCase{"cancel", {std::nullopt}, "", {}}, DescriptionCase{"empty", {""}, "", {}},
        DescriptionCase{
            "outside_code_page", {"Łódź", "Lodz €"}, "Lodz €              ", {"cannot hold \"Ł\""}},
        DescriptionCase{"tab", {"a\tb", "ab"}, "ab                  ", {"control character"}},
        DescriptionCase{
            "too_long_then_cancel", {std::string(25, 'x'), std::nullopt}, "", {kTooLong}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, ARecordTakenByAnotherCopySinceTheScanIsNotOverwritten) {
    writeRecords(defaultStore(), {makeRecord(false, "one", startGenes(), true)});
    startUp();
    // Another copy saves record 1 after this one scanned the file.
    writeRecords(defaultStore(), {makeRecord(false, "theirs", startGenes())});
    EXPECT_EQ(save("mine"), 2);
    EXPECT_EQ(description(1).substr(0, 6), "theirs");
    EXPECT_EQ(description(2).substr(0, 4), "mine");
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 1, 0}));
}

// Files of this process may not grow beyond `bytes` while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

TEST_F(StorageTest, ASaveThatCannotBeWrittenIsReportedAndChangesNothing) {
    writeRecords(defaultStore(), {makeRecord(false, "one", startGenes())});
    startUp();
    rig.controls.loadEnabled = false;
    const auto refused = [this](const std::string& says) {
        rig.platform.dialogs.shown.clear();
        EXPECT_EQ(save("lost?"), 0);
        EXPECT_NE(message().find(says), std::string::npos) << message();
        EXPECT_NE(message().find(defaultStore()), std::string::npos) << message();
    };
    {
        const FileSizeLimit full(960);
        refused("Could not write the storage file");
    }
    // A lock held by another copy: the save waits, then gives up.
    QLockFile other(QString::fromStdString(defaultStore() + ".lock"));
    ASSERT_TRUE(other.tryLock(0));
    refused("another copy of Vavivor");
    other.unlock();
    EXPECT_EQ(fileBytes(defaultStore()).size(), 960);
    // Filled up by another copy since the scan.
    QFile file(QString::fromStdString(defaultStore()));
    ASSERT_TRUE(file.resize(static_cast<qint64>(kMaxRecords) * 960));
    refused("is full");
    EXPECT_EQ(QFileInfo(file).size(), static_cast<qint64>(kMaxRecords) * 960);
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 0}));
    EXPECT_FALSE(rig.controls.loadEnabled);
}

// ---- The catalogue and loading

TEST(CatalogueLineTest, NumberedAlignedAndUnreadablePositionsAsQuestionMarks) {
    EXPECT_EQ(catalogueLine(7, makeRecord(true, "ABC", startGenes())),
              "  7M\tABC" + std::string(17, ' ') + "\t" + "5  5  5  5  5  5  5  5  ");
    StorageRecord single = makeRecord(false, "x", GeneSet{1, 2, 3, 4, 5, 6, 7, 9});
    EXPECT_EQ(catalogueLine(1234, single).substr(0, 7), "1234R\tx");
    single.cell(0, 0) = std::numeric_limits<float>::quiet_NaN();
    single.cell(0, 1) = 4.5F;
    single.cell(0, 2) = 1e9F;
    EXPECT_EQ(catalogueLine(12, single).substr(26), "?  4  ?  4  5  6  7  9  ");
}

TEST_F(StorageTest, TheCatalogueListsLiveWholeRecordsAndMapsRowsToNumbers) {
    writeBytes(defaultStore(),
               recordBytes(makeRecord(false, "one", startGenes())) +
                   recordBytes(makeRecord(true, "two", startGenes(), true)) +
                   recordBytes(makeRecord(true, "three", startGenes())) +
                   QByteArray(700, '\0')); // more than half a record, not a whole one
    startUp();
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_EQ(catalogue.storeCaption, "Storage file: " + defaultStore());
    ASSERT_EQ(catalogue.rows.size(), 2U);
    EXPECT_EQ(catalogue.rows[1].substr(0, 10), "  3M\tthree");
    catalogue.selected = 1;
    EXPECT_EQ(selectedRecord(rig.state, rig.services, catalogue), 3);

    // A file that cannot be read gives a message instead.
    rig.state.store.currentStore = path("no-folder/s.zlr");
    catalogue.visible = false;
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_FALSE(catalogue.visible);
    EXPECT_TRUE(catalogue.rows.empty());
    EXPECT_NE(message().find(path("no-folder/s.zlr")), std::string::npos);
}

class DamagedRecordTest : public StorageTest, public ::testing::WithParamInterface<float> {};

TEST_P(DamagedRecordTest, IsListedButNeverDrawn) {
    StorageRecord damaged = makeRecord(true, "damaged", startGenes());
    damaged.cell(13, 4) = GetParam(); // deep inside the sequence
    writeRecords(defaultStore(), {damaged});
    startUp();
    rig.setEditor(GeneSet{3, 3, 3, 3, 3, 3, 3, 3});
    cmdZELRdraw_Click(rig.state, rig.services);
    const ProgramState before = rig.state;
    const std::size_t items = rig.picture().picture().items().size();
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_EQ(catalogue.rows.size(), 1U);
    EXPECT_FALSE(loadRecord(rig.state, rig.services, 1));
    EXPECT_FALSE(loadRecord(rig.state, rig.services, 3)); // no such record
    ASSERT_EQ(messages().size(), 2U);
    EXPECT_NE(messages()[0].find("Record 1 of the storage file " + defaultStore()),
              std::string::npos);
    EXPECT_NE(messages()[1].find("no such record"), std::string::npos);
    EXPECT_EQ(rig.picture().picture().items().size(), items) << "nothing drawn";
    EXPECT_EQ(rig.state.genome.cellPos, before.genome.cellPos);
    EXPECT_EQ(rig.state.genome.centralPos, before.genome.centralPos);
    EXPECT_FALSE(rig.controls.recordLabelsVisible);
}

INSTANTIATE_TEST_SUITE_P(Positions, DamagedRecordTest,
                         ::testing::Values(std::numeric_limits<float>::quiet_NaN(), 10.0F, 4.5F));

// ---- Changing and deleting storage files

// A file that cannot become the current one: what the case sets up, the message's words.
struct UnusableCase {
    const char* name;
    std::function<std::string(StorageTest&)> target; // sets up, returns the file chosen
    std::string says;
};

class UnusableStoreTest : public StorageTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableStoreTest, IsNamedInAMessageAndNothingChanges) {
    startUp();
    const std::string list = listText();
    const std::string target = GetParam().target(*this);
    const int count = rig.state.store.storeCount;
    rig.platform.dialogs.files = {target};
    mnuZELchng_Click(rig.state, rig.services, choice);
    EXPECT_EQ(rig.platform.dialogs.shown.front().title, "SELECT/CREATE A STORAGE FILE");
    EXPECT_EQ(rig.platform.dialogs.fileMustExist, std::vector<bool>{false}) << "may be new";
    EXPECT_NE(message().find(GetParam().says), std::string::npos) << message();
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, count);
    EXPECT_EQ(listText(), list);
    EXPECT_EQ(choice.fills, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new.zlr"))) << "a new file is taken away";
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableStoreTest,
    ::testing::Values(
        UnusableCase{"device", [](StorageTest&) { return std::string("/dev/full"); },
                     "not a plain file"},
        UnusableCase{"folder", [](StorageTest& t) { return t.dir.path().toStdString(); },
                     "not a plain file"},
        UnusableCase{"cannot_be_created",
                     [](StorageTest& t) { return t.path("missing-folder/x.zlr"); },
                     "missing-folder/x.zlr"},
        UnusableCase{"quote_in_name", [](StorageTest& t) { return t.path("new.zlr\"x"); },
                     "a double quote or a line break"},
        UnusableCase{"list_cannot_be_written",
                     [](StorageTest& t) {
                         t.rig.state.screen.storeListPath = t.path("list-folder");
                         QDir(t.dir.path()).mkdir("list-folder");
                         return t.path("new.zlr");
                     },
                     "Could not write the storage list"},
        UnusableCase{"list_full",
                     [](StorageTest& t) {
                         t.rig.state.store.storeList.resize(kMaxStoreEntries + 1, "/x.zlr");
                         t.rig.state.store.storeCount = kMaxStoreEntries;
                         return t.path("new.zlr");
                     },
                     "32767"},
        UnusableCase{"too_many_records",
                     [](StorageTest& t) {
                         QFile file(QString::fromStdString(t.path("huge.zlr")));
                         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                         EXPECT_TRUE(file.resize(static_cast<qint64>(kMaxRecords + 1) * 960));
                         return t.path("huge.zlr");
                     },
                     "more than the 32766"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, DeletingAStorageFileChecksConfirmsAndKeepsTheCurrentOne) {
    for (const char* name : {"a.zlr", "b.zlr", "c.zlr"}) {
        writeRecords(path(name), {makeRecord(false, name, startGenes())});
    }
    writeList({path("a.zlr"), path("b.zlr"), path("c.zlr")}, 4);
    startUp();
    ScriptedDialogs& dialogs = rig.platform.dialogs;
    // The current file: a warning first, and No keeps it.
    dialogs.files = {path("c.zlr")};
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("c.zlr")));

    dialogs.files = {path("other.zlr"), path("A.zlr"), defaultStore(), path("a.zlr")};
    dialogs.yesNoAnswers = {true};
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_EQ(dialogs.fileMustExist, std::vector<bool>(5, true));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"You are about to delete the CURRENT storage file!\nThe "
                                        "DEFAULT will be selected if you continue.",
                                        path("other.zlr") + " isn't a storage file.",
                                        path("A.zlr") + " isn't a storage file.",
                                        "This is the DEFAULT file and it has to remain."}));
    EXPECT_EQ(dialogs.shown.back().text,
              "Are you sure you wish to delete the file " + path("a.zlr") + "?");
    for (const auto& shown : dialogs.shown) {
        EXPECT_EQ(shown.title,
                  shown.kind == "file" ? "DELETE A STORAGE FILE" : "DELETING A STORAGE FILE");
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.zlr")));
    EXPECT_EQ(rig.state.store.currentEntry, 3) << "still c.zlr, one place up";
    EXPECT_EQ(listText(), formatStoreList(3, 3, {"\\def-store.zld", path("b.zlr"), path("c.zlr")}));

    // The current file, confirmed: the empty default takes its place.
    dialogs.files = {path("c.zlr")};
    dialogs.yesNoAnswers = {true};
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("c.zlr")));
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_FALSE(rig.controls.loadEnabled);
    EXPECT_EQ(listText(), formatStoreList(2, 1, {"\\def-store.zld", path("b.zlr")}));
    EXPECT_EQ(choice.entries, (std::vector<std::string>{defaultStore(), path("b.zlr")}));
}

} // namespace
} // namespace vavivor
