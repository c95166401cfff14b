#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "storage/catalogue.h"
#include "storage/save_record.h"
#include "storage/store_commands.h"
#include "storage/store_file.h"
#include "storage/store_list.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/drawn_figures.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>

namespace vavivor {
namespace {

using Kind = RecordingPrinterPage::Item::Kind;

// The storage logic on the logic rig, with its program folder in a temporary folder.
class StorageTest : public ::testing::Test {
protected:
    StorageTest() { rig.state.screen.storeListPath = path("str-data.txt"); }

    std::string path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    void startUp() { storageStartUp(rig.state, rig.services, choice); }
    // The list file naming the default and `others`, with `current` as the current entry.
    void writeList(const std::vector<std::string>& others, int current) {
        std::vector<std::string> entries{"\\def-store.zld"};
        entries.insert(entries.end(), others.begin(), others.end());
        const int count = static_cast<int>(entries.size());
        writeBytes(path("str-data.txt"),
                   QByteArray::fromStdString(formatStoreList(count, current, entries)));
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : rig.platform.dialogs.shown) {
            if (shown.kind == "message") {
                texts.push_back(shown.text);
            }
        }
        return texts;
    }
    void drawRelativesOf(const GeneSet& genes) {
        for (int g = 0; g < kGeneCount; ++g) {
            rig.controls.setGeneCaption(g, std::to_string(genes[g]));
        }
        cmdZELRdraw_Click(rig.state, rig.services);
    }
    void drawMutationsOf(const GeneSet& genes, unsigned seed) {
        for (int g = 0; g < kGeneCount; ++g) {
            rig.controls.setGeneCaption(g, std::to_string(genes[g]));
        }
        for (int i = 0; i < 48; ++i) {
            rig.platform.random.numbers.push_back(std::fmod(0.37 * (i + 1) * (seed + 1), 1.0));
        }
        cmdZELMdraw_Click(rig.state, rig.services);
    }
    int save(const std::string& description) {
        rig.platform.dialogs.texts.push_back(description);
        return saveRecord(rig.state, rig.services, findFreeRecord(rig.state.store));
    }
    StorageRecord record(int n) const {
        std::string error;
        return *readStoreRecord(rig.state.store.currentStore, n, &error);
    }
    std::string defaultStore() const { return path("def-store.zld"); }

    QTemporaryDir dir;
    LogicRig rig;
    FakeStoreChoice choice;
    FakeCatalogue catalogue;
    FakeDeleteWindow confirmation;
};

// ---- Start-up and the storage list

TEST_F(StorageTest, AFreshInstallationGetsTheDefaultListAndAnEmptyDefaultFile) {
    startUp();
    const StoreState& store = rig.state.store;
    EXPECT_EQ(fileText(path("str-data.txt")),
              storeListFirstLine(1, 1) + "\r\n\"\\def-store.zld\"\r\n");
    EXPECT_EQ(store.storeCount, 1);
    EXPECT_EQ(store.currentEntry, 1);
    EXPECT_EQ(store.currentStore, defaultStore());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(defaultStore())));
    EXPECT_EQ(store.nextRecord, 1);
    EXPECT_EQ(store.recordUsed, (std::vector<std::int16_t>{0, 0}));
    EXPECT_FALSE(store.storeHasRecords);
    EXPECT_EQ(choice.entries, std::vector<std::string>{defaultStore()});
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(rig.controls.loadEnabled) << "start-up leaves Load/Delete alone";
}

TEST_F(StorageTest, EntryOneFollowsTheProgramFolderWhenItMoves) {
    writeList({path("a.zlr")}, 1);
    QDir(dir.path()).mkdir("moved");
    QFile::copy(dir.filePath("str-data.txt"), dir.filePath("moved/str-data.txt"));
    rig.state.screen.storeListPath = path("moved/str-data.txt");
    startUp();
    EXPECT_EQ(rig.state.store.storeList[1], path("moved/def-store.zld"));
    EXPECT_EQ(rig.state.store.storeList[2], path("a.zlr"));
    EXPECT_EQ(rig.state.store.currentStore, path("moved/def-store.zld"));
}

TEST_F(StorageTest, ADamagedListIsKeptAsideAndReplaced) {
    const QByteArray damaged = "3 1\r\n\"\\def-store.zld\"\r\n\"/x.zlr\"\r\n";
    writeBytes(path("str-data.txt"), damaged);
    startUp();
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("damaged"), std::string::npos) << messages()[0];
    EXPECT_NE(messages()[0].find(path("str-data.txt.damaged")), std::string::npos);
    EXPECT_EQ(fileBytes(path("str-data.txt.damaged")), damaged);
    EXPECT_EQ(fileText(path("str-data.txt")),
              storeListFirstLine(1, 1) + "\r\n\"\\def-store.zld\"\r\n");
    EXPECT_EQ(rig.state.store.storeCount, 1);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
}

TEST_F(StorageTest, AListThatCannotBeReadLeavesTheDefaultForNow) {
    QDir(dir.path()).mkdir("str-data.txt");
    startUp();
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("Could not read the storage list " + path("str-data.txt")),
              std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("str-data.txt")).isDir()) << "nothing replaced";
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
}

TEST_F(StorageTest, AWindowsPathFromAnOldListIsNotCreatedAndTheDefaultIsUsed) {
    const std::string windows = "C:\\Vavivor\\old.zlr";
    writeList({windows}, 2);
    const std::string list = fileText(path("str-data.txt"));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    startUp();
    QDir::setCurrent(saved);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find(windows), std::string::npos);
    EXPECT_NE(messages()[0].find("Windows path"), std::string::npos) << messages()[0];
    EXPECT_EQ(rig.state.store.currentEntry, 1);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeList[2], windows) << "the entry stays listed";
    EXPECT_EQ(fileText(path("str-data.txt")), list) << "the list is not rewritten";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"def-store.zld", "str-data.txt"}));
}

// ---- Scanning the current storage file

struct ScanCase {
    const char* name;
    std::vector<bool> deleted; // one per record
    int extraBytes;            // a trailing part
    std::vector<std::int16_t> recordUsed;
    bool hasRecords;
};

class ScanTest : public StorageTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanTest, CountsRecordsAndMarksTheLiveOnes) {
    const ScanCase& c = GetParam();
    QByteArray bytes;
    for (const bool d : c.deleted) {
        bytes += recordBytes(makeRecord(false, "r", startGenes(), d));
    }
    bytes += QByteArray(c.extraBytes, '\0');
    writeBytes(defaultStore(), bytes);
    startUp();
    const StoreState& store = rig.state.store;
    EXPECT_EQ(store.recordUsed, c.recordUsed);
    EXPECT_EQ(store.nextRecord, static_cast<int>(c.recordUsed.size()) - 1);
    EXPECT_EQ(store.storeHasRecords, c.hasRecords);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScanTest,
    ::testing::Values(ScanCase{"empty", {}, 0, {0, 0}, false},
                      ScanCase{"second_deleted", {false, true, false}, 0, {0, 1, 0, 1, 0}, true},
                      ScanCase{"all_deleted", {true, true}, 0, {0, 0, 0, 0}, false},
                      ScanCase{"small_tail", {true}, 400, {0, 0, 0}, false},
                      ScanCase{"large_tail", {true}, 600, {0, 0, 1, 0}, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct FreeCase {
    std::int16_t nextRecord;
    std::vector<std::int16_t> recordUsed;
    std::int16_t expected;
};

class FindFreeRecordTest : public ::testing::TestWithParam<FreeCase> {};

TEST_P(FindFreeRecordTest, TheLowestDeletedNumberOrTheNextOne) {
    StoreState store;
    store.nextRecord = GetParam().nextRecord;
    store.recordUsed = GetParam().recordUsed;
    EXPECT_EQ(findFreeRecord(store), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Bookkeeping, FindFreeRecordTest,
                         ::testing::Values(FreeCase{1, {0, 0}, 1}, FreeCase{4, {0, 1, 0, 1, 0}, 2},
                                           FreeCase{4, {0, 1, 1, 1, 0}, 4},
                                           FreeCase{4, {0, 0, 0, 1, 0}, 1},
                                           FreeCase{3, {0, 1, 1, 0, 0}, 3}));

// ---- Saving

TEST_F(StorageTest, SavingTheRelativesScreenStoresTheCentralFigure) {
    startUp();
    const GeneSet central{1, 2, 3, 4, 5, 6, 7, 9};
    drawRelativesOf(central);
    rig.state.genome.genePos = GeneSet{9, 9, 9, 9, 9, 9, 9, 9}; // as after a pick
    EXPECT_EQ(save("my figure"), 1);

    const StorageRecord saved = record(1);
    EXPECT_EQ(saved.deleted, 0);
    EXPECT_EQ(saved.kind, 0);
    EXPECT_EQ(descriptionText(saved), "my figure           ");
    EXPECT_EQ(figureGenes(saved, 0), central);
    EXPECT_EQ(fileBytes(defaultStore()).size(), 960);
    EXPECT_EQ(rig.state.store.nextRecord, 2);
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 0}));
    EXPECT_TRUE(rig.controls.loadEnabled);
    const auto& asked = rig.platform.dialogs.shown.front();
    EXPECT_EQ(asked.kind, "text");
    EXPECT_EQ(asked.text,
              "Please enter a description for the Zeloid/s\n(Not longer than 20 characters).");
    EXPECT_EQ(asked.title,
              "STORE: " + QString::fromStdString(defaultStore()).toUpper().toStdString());
}

TEST_F(StorageTest, SavingAMutationScreenStoresTheWholeSequence) {
    startUp();
    drawMutationsOf(GeneSet{5, 5, 5, 5, 5, 5, 5, 5}, 3);
    const MutantTable table = rig.state.genome.cellPos;
    ASSERT_EQ(save("chain"), 1);
    const StorageRecord saved = record(1);
    EXPECT_EQ(saved.kind, -1);
    for (int f = 0; f < kCellCount; ++f) {
        EXPECT_EQ(figureGenes(saved, f), table[f]) << "row " << f;
    }
    EXPECT_EQ(saved.cell(25, 0), 0.0F) << "cells the kind does not use are zero";
    EXPECT_EQ(saved.cell(0, 8), 0.0F);
}

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
    drawRelativesOf(startGenes());
    rig.platform.dialogs.texts.assign(c.answers.begin(), c.answers.end());
    const int written = saveRecord(rig.state, rig.services, 1);
    EXPECT_EQ(written, c.stored.empty() ? 0 : 1);
    EXPECT_TRUE(rig.platform.dialogs.texts.empty()) << "every answer was asked for";
    ASSERT_EQ(messages().size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_NE(messages()[i].find(c.messages[i]), std::string::npos) << messages()[i];
    }
    if (c.stored.empty()) {
        EXPECT_EQ(fileBytes(defaultStore()).size(), 0) << "nothing written";
        EXPECT_EQ(rig.state.store.nextRecord, 1);
    } else {
        EXPECT_EQ(descriptionText(record(1)), c.stored);
    }
}

const std::string kTooLong = "The description must be between 1 and 20 char.";

INSTANTIATE_TEST_SUITE_P(
    Answers, DescriptionTest,
    ::testing::Values(
        DescriptionCase{"twenty", {"12345678901234567890"}, "12345678901234567890", {}},
        DescriptionCase{"twenty_one_then_short",
                        {"123456789012345678901", "short"},
                        "short               ",
                        {kTooLong}},
        DescriptionCase{"blanks", {"   "}, std::string(20, ' '), {}},
        DescriptionCase{"lower_case_kept", {"Spiral tree"}, "Spiral tree         ", {}},
        DescriptionCase{"accents_count_once", {"éééééééééééééééééééé"}, "éééééééééééééééééééé", {}},
        DescriptionCase{"cancel", {std::nullopt}, "", {}}, DescriptionCase{"empty", {""}, "", {}},
        DescriptionCase{
            "outside_code_page", {"Łódź", "Lodz €"}, "Lodz €              ", {"cannot hold \"Ł\""}},
        DescriptionCase{"tab", {"a\tb", "ab"}, "ab                  ", {"control character"}},
        DescriptionCase{
            "too_long_then_cancel", {std::string(25, 'x'), std::nullopt}, "", {kTooLong}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, TheLowestDeletedRecordIsReusedThenTheFileGrows) {
    writeRecords(defaultStore(), {makeRecord(false, "one", startGenes()),
                                  makeRecord(false, "two", startGenes(), true),
                                  makeRecord(false, "three", startGenes())});
    startUp();
    drawRelativesOf(startGenes());
    EXPECT_EQ(save("again"), 2);
    EXPECT_EQ(rig.state.store.nextRecord, 4);
    EXPECT_EQ(descriptionText(record(2)).substr(0, 5), "again");
    EXPECT_EQ(save("more"), 4);
    EXPECT_EQ(rig.state.store.nextRecord, 5);
    EXPECT_EQ(fileBytes(defaultStore()).size(), 4 * 960);
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

TEST_F(StorageTest, AWriteThatFailsIsReportedAndChangesNothing) {
    writeRecords(defaultStore(),
                 {makeRecord(false, "one", startGenes()), makeRecord(false, "two", startGenes())});
    startUp();
    drawRelativesOf(startGenes());
    rig.controls.loadEnabled = false;
    {
        const FileSizeLimit full(2 * 960);
        EXPECT_EQ(save("lost?"), 0);
    }
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("Could not write the storage file " + defaultStore() + ": "),
              std::string::npos)
        << messages()[0];
    EXPECT_EQ(fileBytes(defaultStore()).size(), 2 * 960);
    EXPECT_EQ(rig.state.store.nextRecord, 3);
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 1, 0}));
    EXPECT_FALSE(rig.controls.loadEnabled);
    EXPECT_TRUE(rig.controls.statusLines.empty());
}

TEST_F(StorageTest, SomethingThatIsNotAPlainFileIsNotUsed) {
    startUp();
    for (const std::string& other : {std::string("/dev/full"), dir.path().toStdString()}) {
        rig.platform.dialogs.shown.clear();
        changeStore(rig.state, rig.services, choice, other);
        ASSERT_EQ(messages().size(), 1U) << other;
        EXPECT_NE(messages()[0].find("not a plain file"), std::string::npos) << messages()[0];
        EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    }
}

TEST_F(StorageTest, ARecordTakenByAnotherCopySinceTheScanIsNotOverwritten) {
    startUp();
    drawRelativesOf(startGenes());
    // Another copy saves record 1 after this one scanned the empty file.
    writeRecords(defaultStore(), {makeRecord(false, "theirs", startGenes())});
    EXPECT_EQ(save("mine"), 2);
    EXPECT_EQ(descriptionText(record(1)).substr(0, 6), "theirs");
    EXPECT_EQ(descriptionText(record(2)).substr(0, 4), "mine");
    EXPECT_EQ(rig.state.store.nextRecord, 3);
    EXPECT_EQ(rig.state.store.recordUsed, (std::vector<std::int16_t>{0, 1, 1, 0}));
}

TEST_F(StorageTest, ALockHeldByAnotherCopyMakesTheSaveWaitThenGiveUp) {
    startUp();
    drawRelativesOf(startGenes());
    QLockFile other(QString::fromStdString(defaultStore() + ".lock"));
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_EQ(save("mine"), 0);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("another copy of Vavivor"), std::string::npos);
    EXPECT_EQ(fileBytes(defaultStore()).size(), 0);
}

TEST_F(StorageTest, AFullStorageFileRefusesTheSave) {
    QFile file(QString::fromStdString(defaultStore()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(static_cast<qint64>(kMaxRecords) * 960)); // all live records
    file.close();
    startUp();
    EXPECT_EQ(rig.state.store.nextRecord, kMaxRecords + 1);
    drawRelativesOf(startGenes());
    EXPECT_EQ(save("one more"), 0);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("is full"), std::string::npos);
    EXPECT_EQ(QFileInfo(file).size(), static_cast<qint64>(kMaxRecords) * 960);
}

TEST_F(StorageTest, AFileWithMoreRecordsThanCanBeNumberedIsNotUsed) {
    QFile file(QString::fromStdString(path("huge.zlr")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(static_cast<qint64>(kMaxRecords + 1) * 960));
    file.close();
    startUp();
    changeStore(rig.state, rig.services, choice, path("huge.zlr"));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("more than the 32766"), std::string::npos) << messages()[0];
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, 1);
}

// ---- The catalogue

TEST_F(StorageTest, CatalogueLinesAreNumberedAndAligned) {
    StorageRecord seven = makeRecord(true, "ABC", GeneSet{5, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_EQ(catalogueLine(7, seven),
              "  7M\tABC" + std::string(17, ' ') + "\t" + "5  5  5  5  5  5  5  5  ");
    StorageRecord single = makeRecord(false, "x", GeneSet{1, 2, 3, 4, 5, 6, 7, 9});
    EXPECT_EQ(catalogueLine(1234, single),
              "1234R\tx" + std::string(19, ' ') + "\t1  2  3  4  5  6  7  9  ");
    single.cell(0, 0) = std::numeric_limits<float>::quiet_NaN();
    single.cell(0, 1) = 4.5F;
    single.cell(0, 2) = 1e9F;
    EXPECT_EQ(catalogueLine(12, single).substr(26), "?  4  ?  4  5  6  7  9  ");
}

TEST_F(StorageTest, TheCatalogueListsLiveWholeRecordsAndMapsRowsToNumbers) {
    QByteArray bytes = recordBytes(makeRecord(false, "one", startGenes())) +
                       recordBytes(makeRecord(true, "two", startGenes(), true)) +
                       recordBytes(makeRecord(true, "three", GeneSet{1, 1, 1, 1, 1, 1, 1, 1}));
    bytes += QByteArray(700, '\0'); // more than half a record, not a whole one
    writeBytes(defaultStore(), bytes);
    startUp();
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_TRUE(catalogue.visible);
    EXPECT_EQ(catalogue.storeCaption, "Storage file: " + defaultStore());
    ASSERT_EQ(catalogue.rows.size(), 2U);
    EXPECT_EQ(catalogue.rows[0].substr(0, 8), "  1R\tone");
    EXPECT_EQ(catalogue.rows[1].substr(0, 10), "  3M\tthree");
    EXPECT_EQ(rig.state.catalogue.catalogueMap, (std::vector<std::int16_t>{0, 1, 3}));

    catalogue.selected = 1;
    EXPECT_EQ(selectedRecord(rig.state, rig.services, catalogue), 3);
    catalogue.selected = -1;
    EXPECT_EQ(selectedRecord(rig.state, rig.services, catalogue), 0);
    ASSERT_EQ(rig.platform.dialogs.shown.size(), 1U);
    EXPECT_EQ(rig.platform.dialogs.shown[0].text, "You must SELECT an item first.");
    EXPECT_EQ(rig.platform.dialogs.shown[0].title, "LIST RECORD");
}

TEST_F(StorageTest, AnUnreadableStorageFileGivesAMessageInsteadOfTheCatalogue) {
    startUp();
    rig.state.store.currentStore = path("no-folder/s.zlr");
    catalogue.rows = {"stale"};
    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_FALSE(catalogue.visible);
    EXPECT_TRUE(catalogue.rows.empty());
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find(path("no-folder/s.zlr")), std::string::npos);
}

// ---- Loading

TEST_F(StorageTest, LoadingASingleFigureShowsItsRelatives) {
    const GeneSet genes{2, 3, 4, 5, 6, 7, 8, 9};
    writeRecords(defaultStore(),
                 {makeRecord(true, "seq", startGenes()), makeRecord(false, "fig", genes)});
    startUp();
    rig.state.screen.pics[0]->line(0, 0, 1, 1, kBlack); // something to be cleared
    ASSERT_TRUE(loadRecord(rig.state, rig.services, 2));
    EXPECT_FALSE(rig.state.breeding.sequenceShown);
    EXPECT_EQ(rig.state.genome.centralPos, genes);
    EXPECT_EQ(rig.controls.shownGenes(), genes);
    EXPECT_TRUE(rig.controls.recordLabelsVisible);
    EXPECT_EQ(rig.controls.recordNumber, " 2");
    EXPECT_TRUE(rig.controls.saveEnabled);

    const auto figures = drawnFigures(rig.picture().picture());
    ASSERT_EQ(figures.size(), 17U);
    EXPECT_EQ(figures[0].label, "Orig.");
    EXPECT_EQ(figures[0].segments, expectedSegments(genes, 500, 500));
    EXPECT_EQ(figures[1].label, "G1 +1");
    EXPECT_EQ(
        blackLines(rig.picture().picture()).size(), 8 +
                                                        [&] {
                                                            std::size_t n = 0;
                                                            for (const auto& f : figures) {
                                                                n += f.segments.size();
                                                            }
                                                            return n;
                                                        }())
        << "a fresh grid: 8 grid lines, no leftovers";
}

TEST_F(StorageTest, LoadingASequenceShowsTheScreenThatWasSaved) {
    startUp();
    drawMutationsOf(GeneSet{4, 5, 6, 5, 4, 5, 6, 5}, 7);
    const MutantTable table = rig.state.genome.cellPos;
    ASSERT_EQ(save("chain"), 1);
    cmdZELMrep_Click(rig.state, rig.services);
    const auto reviewed = drawnFigures(rig.picture().picture());

    drawRelativesOf(GeneSet{1, 1, 1, 1, 1, 1, 1, 1});
    rig.state.genome.cellPos = MutantTable{};
    ASSERT_TRUE(loadRecord(rig.state, rig.services, 1));
    EXPECT_TRUE(rig.state.breeding.sequenceShown);
    EXPECT_EQ(rig.state.genome.cellPos, table);
    EXPECT_EQ(rig.state.genome.centralPos, table[0]);
    EXPECT_EQ(rig.controls.shownGenes(), table[0]);
    const auto loaded = drawnFigures(rig.picture().picture());
    ASSERT_EQ(loaded.size(), reviewed.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        EXPECT_EQ(loaded[i].label, reviewed[i].label);
        EXPECT_EQ(loaded[i].segments, reviewed[i].segments) << i;
    }
}

class DamagedRecordTest : public StorageTest, public ::testing::WithParamInterface<float> {};

TEST_P(DamagedRecordTest, IsListedButNeverDrawn) {
    StorageRecord damaged = makeRecord(true, "damaged", startGenes());
    damaged.cell(13, 4) = GetParam(); // deep inside the sequence
    writeRecords(defaultStore(), {damaged});
    startUp();
    drawRelativesOf(GeneSet{3, 3, 3, 3, 3, 3, 3, 3});
    const ProgramState before = rig.state;
    const std::size_t items = rig.picture().picture().items().size();

    showCatalogue(rig.state, rig.services, catalogue);
    EXPECT_EQ(catalogue.rows.size(), 1U);
    EXPECT_FALSE(loadRecord(rig.state, rig.services, 1));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("Record 1 of the storage file " + defaultStore()),
              std::string::npos)
        << messages()[0];
    EXPECT_EQ(rig.picture().picture().items().size(), items) << "nothing drawn";
    EXPECT_EQ(rig.state.genome.cellPos, before.genome.cellPos);
    EXPECT_EQ(rig.state.genome.centralPos, before.genome.centralPos);
    EXPECT_EQ(rig.state.breeding.sequenceShown, before.breeding.sequenceShown);
    EXPECT_FALSE(rig.controls.recordLabelsVisible);
}

INSTANTIATE_TEST_SUITE_P(Positions, DamagedRecordTest,
                         ::testing::Values(std::numeric_limits<float>::quiet_NaN(),
                                           std::numeric_limits<float>::infinity(), 0.0F, 10.0F,
                                           1e9F, 4.5F, -5.0F));

TEST_F(StorageTest, LoadingARecordThatIsNotThereChangesNothing) {
    startUp();
    drawRelativesOf(startGenes());
    EXPECT_FALSE(loadRecord(rig.state, rig.services, 3));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("no such record"), std::string::npos);
    EXPECT_FALSE(rig.controls.recordLabelsVisible);
}

// ---- Deleting

TEST_F(StorageTest, DeletingKeepsTheRecordInTheFileAndRefillsTheCatalogue) {
    writeRecords(defaultStore(), {makeRecord(false, "one", startGenes()),
                                  makeRecord(true, "two", GeneSet{1, 2, 3, 4, 5, 6, 7, 8})});
    startUp();
    showCatalogue(rig.state, rig.services, catalogue);
    catalogue.selected = 1;
    deleteSelectedRecord(rig.state, rig.services, catalogue,
                         [this]() -> DeleteView& { return confirmation; });
    EXPECT_TRUE(confirmation.visible);
    EXPECT_EQ(confirmation.number, "2");
    EXPECT_EQ(confirmation.mutations, "True");
    EXPECT_EQ(confirmation.description, "two                 ");

    const QByteArray before = fileBytes(defaultStore());
    cmdFMDdel_Click(rig.state, rig.services, confirmation, catalogue);
    EXPECT_FALSE(confirmation.visible);
    QByteArray expected = before;
    expected[960] = '\xFF';
    expected[961] = '\xFF';
    EXPECT_EQ(fileBytes(defaultStore()), expected) << "description and genes stay";
    EXPECT_EQ(catalogue.rows.size(), 1U);
    EXPECT_EQ(rig.state.store.recordUsed[2], 0);
    EXPECT_EQ(rig.state.store.nextRecord, 2);
    EXPECT_TRUE(catalogue.visible) << "the catalogue stays open";

    catalogue.selected = 0;
    deleteSelectedRecord(rig.state, rig.services, catalogue,
                         [this]() -> DeleteView& { return confirmation; });
    EXPECT_EQ(confirmation.mutations, "False");
}

TEST_F(StorageTest, CancelInTheConfirmationChangesNothing) {
    writeRecords(defaultStore(), {makeRecord(false, "one", startGenes())});
    startUp();
    showCatalogue(rig.state, rig.services, catalogue);
    catalogue.selected = 0;
    const QByteArray before = fileBytes(defaultStore());
    deleteSelectedRecord(rig.state, rig.services, catalogue,
                         [this]() -> DeleteView& { return confirmation; });
    confirmation.hideWindow(); // CANCEL only hides the window
    EXPECT_EQ(fileBytes(defaultStore()), before);
    EXPECT_EQ(catalogue.rows.size(), 1U);
}

struct DeleteOrderCase {
    const char* name;
    std::vector<int> order;
    std::vector<int> nextRecords; // after each deletion
    bool loadEnabled;             // at the end
};

class DeleteOrderTest : public StorageTest,
                        public ::testing::WithParamInterface<DeleteOrderCase> {};

TEST_P(DeleteOrderTest, OnlyTheHighestNumberLowersNextRecord) {
    const DeleteOrderCase& c = GetParam();
    writeRecords(defaultStore(),
                 {makeRecord(false, "1", startGenes()), makeRecord(false, "2", startGenes()),
                  makeRecord(false, "3", startGenes())});
    startUp();
    rig.controls.loadEnabled = true;
    for (std::size_t i = 0; i < c.order.size(); ++i) {
        deleteRecord(rig.state, rig.services, catalogue, c.order[i]);
        EXPECT_EQ(rig.state.store.nextRecord, c.nextRecords[i]) << "after deleting " << c.order[i];
    }
    EXPECT_EQ(rig.controls.loadEnabled, c.loadEnabled);
    EXPECT_TRUE(catalogue.rows.empty());
    EXPECT_TRUE(messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Orders, DeleteOrderTest,
    ::testing::Values(DeleteOrderCase{"downwards", {3, 2, 1}, {3, 2, 1}, false},
                      DeleteOrderCase{"upwards", {1, 2, 3}, {4, 4, 3}, true},
                      DeleteOrderCase{"middle_first", {2, 3, 1}, {4, 3, 3}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, SaveLoadDeleteRoundTripOnOneFile) {
    startUp();
    drawRelativesOf(GeneSet{2, 2, 2, 2, 2, 2, 2, 2});
    ASSERT_EQ(save("first"), 1);
    drawMutationsOf(GeneSet{8, 8, 8, 8, 8, 8, 8, 8}, 1);
    ASSERT_EQ(save("second"), 2);
    deleteRecord(rig.state, rig.services, catalogue, 1);
    EXPECT_EQ(rig.state.store.nextRecord, 3);
    drawRelativesOf(GeneSet{3, 3, 3, 3, 3, 3, 3, 3});
    ASSERT_EQ(save("third"), 1) << "the deleted number is reused";
    showCatalogue(rig.state, rig.services, catalogue);
    ASSERT_EQ(catalogue.rows.size(), 2U);
    EXPECT_EQ(catalogue.rows[0],
              "  1R\tthird" + std::string(15, ' ') + "\t3  3  3  3  3  3  3  3  ");
    EXPECT_EQ(catalogue.rows[1].substr(0, 11), "  2M\tsecond");
    catalogue.selected = 0;
    loadSelectedRecord(rig.state, rig.services, catalogue);
    EXPECT_FALSE(catalogue.visible);
    EXPECT_EQ(rig.controls.shownGenes(), (GeneSet{3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(rig.controls.recordNumber, " 1");
}

// ---- Changing and deleting storage files

TEST_F(StorageTest, ChangingToANewFileCreatesItAndAddsItToTheList) {
    writeRecords(path("full.zlr"), {makeRecord(false, "a", startGenes())});
    writeList({path("full.zlr")}, 1);
    startUp();
    rig.controls.loadEnabled = true;
    rig.platform.dialogs.files = {path("new.zlr")};
    mnuZELchng_Click(rig.state, rig.services, choice);
    EXPECT_EQ(rig.platform.dialogs.shown[0].title, "SELECT/CREATE A STORAGE FILE");
    EXPECT_EQ(rig.platform.dialogs.fileMustExist, std::vector<bool>{false});
    const StoreState& store = rig.state.store;
    EXPECT_EQ(store.storeCount, 3);
    EXPECT_EQ(store.currentEntry, 3);
    EXPECT_EQ(store.currentStore, path("new.zlr"));
    EXPECT_EQ(fileBytes(path("new.zlr")).size(), 0);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("new.zlr")));
    EXPECT_FALSE(rig.controls.loadEnabled);
    EXPECT_EQ(fileText(path("str-data.txt")),
              formatStoreList(3, 3, {"\\def-store.zld", path("full.zlr"), path("new.zlr")}));
    EXPECT_EQ(choice.entries,
              (std::vector<std::string>{defaultStore(), path("full.zlr"), path("new.zlr")}));

    // A listed file becomes current without a new entry.
    rig.platform.dialogs.files = {path("full.zlr")};
    mnuZELchng_Click(rig.state, rig.services, choice);
    EXPECT_EQ(store.storeCount, 3);
    EXPECT_EQ(store.currentEntry, 2);
    EXPECT_EQ(store.nextRecord, 2);
    EXPECT_TRUE(rig.controls.loadEnabled);
    EXPECT_EQ(fileText(path("str-data.txt")).substr(0, 18), storeListFirstLine(3, 2) + "\r");
}

TEST_F(StorageTest, CancellingTheFileDialogChangesNothing) {
    startUp();
    const std::string list = fileText(path("str-data.txt"));
    mnuZELchng_Click(rig.state, rig.services, choice);
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_EQ(fileText(path("str-data.txt")), list);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.platform.dialogs.shown.size(), 2U);
}

TEST_F(StorageTest, AFileThatCannotBeCreatedChangesNothing) {
    startUp();
    const std::string list = fileText(path("str-data.txt"));
    changeStore(rig.state, rig.services, choice, path("missing-folder/x.zlr"));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find(path("missing-folder/x.zlr")), std::string::npos);
    EXPECT_EQ(fileText(path("str-data.txt")), list);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, 1);
}

TEST_F(StorageTest, AListThatCannotBeRewrittenChangesNothing) {
    startUp();
    rig.state.screen.storeListPath = path("list-folder");
    QDir(dir.path()).mkdir("list-folder");
    changeStore(rig.state, rig.services, choice, path("new.zlr"));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("Could not write the storage list"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new.zlr"))) << "the new file is taken away";
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, 1);
    EXPECT_EQ(choice.fills, 1);
}

TEST_F(StorageTest, AFullStorageListTakesNoNewEntry) {
    startUp();
    StoreState& store = rig.state.store;
    store.storeList.resize(kMaxStoreEntries + 1, path("x.zlr"));
    store.storeCount = kMaxStoreEntries;
    changeStore(rig.state, rig.services, choice, path("one-too-many.zlr"));
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("32767"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("one-too-many.zlr")));
    EXPECT_EQ(store.currentStore, defaultStore());
}

TEST_F(StorageTest, DeletingAStorageFileChecksConfirmsAndKeepsTheCurrentOne) {
    for (const char* name : {"a.zlr", "b.zlr", "c.zlr"}) {
        writeRecords(path(name), {makeRecord(false, name, startGenes())});
    }
    writeList({path("a.zlr"), path("b.zlr"), path("c.zlr")}, 4);
    startUp();
    ScriptedDialogs& dialogs = rig.platform.dialogs;
    dialogs.files = {path("other.zlr"), path("A.zlr"), defaultStore(), path("a.zlr")};
    dialogs.yesNoAnswers = {true};
    mnuZELdel_Click(rig.state, rig.services, choice);

    EXPECT_EQ(dialogs.fileMustExist, (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(dialogs.shown[0].title, "DELETE A STORAGE FILE");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{path("other.zlr") + " isn't a storage file.",
                                        path("A.zlr") + " isn't a storage file.",
                                        "This is the DEFAULT file and it has to remain."}));
    EXPECT_EQ(dialogs.shown.back().kind, "yesno");
    EXPECT_EQ(dialogs.shown.back().text,
              "Are you sure you wish to delete the file " + path("a.zlr") + "?");
    for (const auto& shown : dialogs.shown) {
        if (shown.kind != "file") {
            EXPECT_EQ(shown.title, "DELETING A STORAGE FILE");
        }
    }
    const StoreState& store = rig.state.store;
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.zlr")));
    EXPECT_EQ(store.storeCount, 3);
    EXPECT_EQ(store.currentEntry, 3) << "still c.zlr, one place up";
    EXPECT_EQ(store.currentStore, path("c.zlr"));
    EXPECT_EQ(fileText(path("str-data.txt")),
              formatStoreList(3, 3, {"\\def-store.zld", path("b.zlr"), path("c.zlr")}));
    EXPECT_EQ(choice.entries,
              (std::vector<std::string>{defaultStore(), path("b.zlr"), path("c.zlr")}));
}

TEST_F(StorageTest, DeletingTheCurrentFileWarnsFirstAndFallsBackToTheDefault) {
    writeRecords(defaultStore(), {makeRecord(false, "d", startGenes())});
    writeRecords(path("a.zlr"), {makeRecord(false, "a", startGenes())});
    writeList({path("a.zlr")}, 2);
    startUp();
    ScriptedDialogs& dialogs = rig.platform.dialogs;

    dialogs.files = {path("a.zlr")};
    dialogs.yesNoAnswers = {false};
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "You are about to delete the CURRENT storage file!\nThe DEFAULT "
                              "will be selected if you continue."});
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("a.zlr"))) << "No keeps the file";
    EXPECT_EQ(rig.state.store.currentStore, path("a.zlr"));

    rig.controls.loadEnabled = false;
    dialogs.files = {path("a.zlr")};
    dialogs.yesNoAnswers = {true};
    mnuZELdel_Click(rig.state, rig.services, choice);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.zlr")));
    EXPECT_EQ(rig.state.store.currentEntry, 1);
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.nextRecord, 2);
    EXPECT_TRUE(rig.controls.loadEnabled) << "the default holds a live record";
    EXPECT_EQ(fileText(path("str-data.txt")), formatStoreList(1, 1, {"\\def-store.zld"}));
}

TEST_F(StorageTest, TheDefaultIsRefusedEvenWhenCurrent) {
    startUp();
    EXPECT_FALSE(deleteStore(rig.state, rig.services, choice, defaultStore()));
    EXPECT_EQ(messages(),
              std::vector<std::string>{"This is the DEFAULT file and it has to remain."});
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(defaultStore())));
}

} // namespace
} // namespace vavivor
