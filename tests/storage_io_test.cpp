#include "storage/record_io.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

// `n` bytes from `at` in hexadecimal, "00 A0 ...".
std::string hexAt(const RecordBytes& bytes, std::size_t at, std::size_t n) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data() + at), static_cast<qsizetype>(n))
        .toHex(' ')
        .toUpper()
        .toStdString();
}

// ---- The record, byte for byte

TEST(RecordLayoutTest, FlagsDescriptionAndGeneCellsStandWhereOldFilesHaveThem) {
    StorageRecord record = makeRecord(true, "Côte €", startGenes(), true);
    record.cell(24, 7) = 9;
    const RecordBytes bytes = encodeRecord(record);
    EXPECT_EQ(hexAt(bytes, 0, 4), "FF FF FF FF") << "deleted and kind are -1";
    EXPECT_EQ(hexAt(bytes, 4, 8), "43 F4 74 65 20 80 20 20") << "in Windows-1252";
    for (const std::size_t at : {24U, 128U, 232U, 336U, 440U, 544U, 648U, 752U}) {
        EXPECT_EQ(hexAt(bytes, at, 4), "00 00 A0 40") << "gene at position 5, byte " << at;
    }
    EXPECT_EQ(hexAt(bytes, 24 + 4 * 24 + 104 * 7, 4), "00 00 10 41") << "cell (24, 7) is 9";
    EXPECT_EQ(decodeRecord(bytes).genes, record.genes);
    EXPECT_EQ(descriptionText(decodeRecord(bytes)), "Côte €              ");
    EXPECT_FALSE(encodeDescription("a description too long"));

    // Twenty blanks without a terminator; a live single figure is 0.
    const RecordBytes blank = encodeRecord(makeRecord(false, std::string(20, ' '), startGenes()));
    EXPECT_EQ(hexAt(blank, 0, 4), "00 00 00 00");
    EXPECT_EQ(std::string(blank.begin() + 4, blank.begin() + 24), std::string(20, ' '));
}

// ---- Record files

TEST(StoreFileTest, WindowsPathsAreRefusedAndNeverCreated) {
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const std::string windows : {"C:\\Vavivor\\x.zlr", "\\def-store.zld", "d:x.zlr"}) {
        std::string error;
        EXPECT_FALSE(readStore(windows, &error)) << windows;
        EXPECT_NE(error.find("Windows path"), std::string::npos) << error;
        EXPECT_FALSE(writeStoreRecord(windows, 1, StorageRecord(), &error)) << windows;
    }
    QDir::setCurrent(saved);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing was created in the working folder";
}

TEST(StoreFileTest, DeletingChangesTheFlagOnly) {
    QTemporaryDir dir;
    const std::string store = dir.filePath("s.zlr").toStdString();
    writeRecords(store, {makeRecord(false, "one"),
                         makeRecord(true, "two", GeneSet{1, 2, 3, 4, 5, 6, 7, 8})});
    QByteArray expected = fileBytes(store);
    std::string error;
    ASSERT_TRUE(markRecordDeleted(store, 2, &error)) << error;
    expected[960] = '\xFF';
    expected[961] = '\xFF';
    EXPECT_EQ(fileBytes(store), expected);
    EXPECT_FALSE(markRecordDeleted(store, 3, &error));
    EXPECT_EQ(fileBytes(store).size(), 1920) << "no record was added";
}

// ---- The storage list file

TEST(StoreListFormatTest, FirstLineUsesPrintZonesOfFourteenColumnsAndEntriesAreQuoted) {
    // Each number between its sign place and a blank; the second zone starts at column 15.
    EXPECT_EQ(storeListFirstLine(1, 1), " 1" + std::string(13, ' ') + "1 ");
    // Written as UTF-8 without a byte order mark, and read back as such.
    const std::vector<std::string> entries{"\\def-store.zld", "/home/u/a ß.zlr"};
    const std::string text = formatStoreList(2, 1, entries);
    EXPECT_EQ(text,
              storeListFirstLine(2, 1) + "\r\n\"\\def-store.zld\"\r\n\"/home/u/a ß.zlr\"\r\n");
    const StoreListParse parsed = parseStoreList(text);
    ASSERT_TRUE(parsed.list) << parsed.error;
    EXPECT_EQ(parsed.list->current, 1);
    EXPECT_EQ(parsed.list->entries, entries);
}

struct ListCase {
    const char* name;
    std::string text;
    std::string second; // the second entry read; empty: refused
};

class StoreListParseTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(StoreListParseTest, ReadsWhatEitherProgramWroteAndRefusesTheRest) {
    const StoreListParse parsed = parseStoreList(GetParam().text);
    if (GetParam().second.empty()) {
        EXPECT_FALSE(parsed.list);
        EXPECT_FALSE(parsed.error.empty());
        return;
    }
    ASSERT_TRUE(parsed.list) << parsed.error;
    EXPECT_EQ(parsed.list->count, 2);
    EXPECT_EQ(parsed.list->current, 2);
    EXPECT_EQ(parsed.list->entries,
              (std::vector<std::string>{"\\def-store.zld", GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, StoreListParseTest,
    ::testing::Values(ListCase{"comma_lf_blanks",
                               "  2,2  \n  \"\\def-store.zld\"  \n\"C:\\V\\x.zlr\"\n\n",
                               "C:\\V\\x.zlr"},
                      ListCase{"windows1252",
                               "2 2\r\n\"\\def-store.zld\"\r\n\"C:\\Fr\xE9"
                               "d.zlr\"\r\n",
                               "C:\\Fréd.zlr"},
                      ListCase{"bom_utf8",
                               "\xEF\xBB\xBF"
                               "2 2\r\n\"\\def-store.zld\"\r\n\"/home/frédéric.zlr\"\r\n",
                               "/home/frédéric.zlr"},
                      ListCase{"current_out", "2 3\r\n\"\\def-store.zld\"\r\n\"/a.zlr\"\r\n", ""},
                      ListCase{"too_few", "3 1\r\n\"\\def-store.zld\"\r\n\"/a.zlr\"\r\n", ""},
                      ListCase{"beyond_16_bit", "40000 1\r\n\"\\def-store.zld\"\r\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreListFileTest, WritingReplacesTheWholeFileOrNothingAndSettingAsideFindsAFreeName) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("str-data.txt").toStdString();
    std::string error;
    ASSERT_TRUE(writeStoreListFile(path, "old", &error)) << error;
    ASSERT_TRUE(writeStoreListFile(path, "new", &error)) << error;
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"str-data.txt"})
        << "no temporary file is left behind";

    EXPECT_EQ(setAsideFile(path, &error), path + ".damaged");
    writeBytes(path, "second");
    EXPECT_EQ(setAsideFile(path, &error), path + ".damaged-2");
    EXPECT_EQ(fileBytes(path + ".damaged"), "new");
    EXPECT_EQ(fileBytes(path + ".damaged-2"), "second");
}

} // namespace
} // namespace vavivor
