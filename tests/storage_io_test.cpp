#include "storage/record_io.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

std::string hexAt(const RecordBytes& bytes, std::size_t at, std::size_t n) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = at; i < at + n; ++i) {
        text +=
            std::string(text.empty() ? "" : " ") + digits[bytes[i] >> 4U] + digits[bytes[i] & 15U];
    }
    return text;
}

// ---- The record, byte for byte

TEST(RecordLayoutTest, FlagsDescriptionAndGeneCellsStandWhereOldFilesHaveThem) {
    StorageRecord record = makeRecord(true, "ABC", startGenes(), true);
    record.cell(24, 7) = 9;
    const RecordBytes bytes = encodeRecord(record);
    EXPECT_EQ(hexAt(bytes, 0, 4), "FF FF FF FF") << "deleted and kind are -1";
    EXPECT_EQ(hexAt(bytes, 4, 5), "41 42 43 20 20");
    for (const std::size_t at : {24U, 128U, 232U, 336U, 440U, 544U, 648U, 752U}) {
        EXPECT_EQ(hexAt(bytes, at, 4), "00 00 A0 40") << "gene at position 5, byte " << at;
    }
    EXPECT_EQ(hexAt(bytes, 24 + 4 * 24 + 104 * 7, 4), "00 00 10 41") << "cell (24, 7) is 9";
    EXPECT_EQ(decodeRecord(bytes).genes, record.genes);

    // A blank description is twenty blanks without a terminator; a live single figure is 0.
    const RecordBytes blank = encodeRecord(makeRecord(false, std::string(20, ' '), startGenes()));
    EXPECT_EQ(hexAt(blank, 0, 4), "00 00 00 00");
    EXPECT_EQ(std::string(blank.begin() + 4, blank.begin() + 24), std::string(20, ' '));
    EXPECT_EQ(descriptionText(decodeRecord(blank)), std::string(20, ' '));
}

TEST(RecordLayoutTest, DescriptionsAreWindows1252) {
    const auto encoded = encodeDescription("Côte € ß");
    ASSERT_TRUE(encoded);
    EXPECT_EQ(static_cast<unsigned char>((*encoded)[1]), 0xF4);
    EXPECT_EQ(static_cast<unsigned char>((*encoded)[5]), 0x80);
    EXPECT_FALSE(encodeDescription("Łódź"));
    EXPECT_FALSE(encodeDescription("a description too long"));
    StorageRecord record;
    record.description = *encoded;
    EXPECT_EQ(descriptionText(record), "Côte € ß            ");
}

// ---- Record files

class StoreFileTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

struct LengthCase {
    int length;
    int scanned;     // records a scan counts
    int whole;       // records the catalogue lists
    bool tailIsLive; // the counted trailing part reads as live
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.length << " bytes";
}

class StoreLengthTest : public StoreFileTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(StoreLengthTest, TrailingPartsCountOnlyWhenMoreThanHalfARecord) {
    const LengthCase c = GetParam();
    QByteArray bytes;
    while (bytes.size() + 960 <= c.length) {
        bytes += recordBytes(makeRecord(false, "x", startGenes()));
    }
    bytes += QByteArray(c.length - bytes.size(), c.tailIsLive ? '\0' : '\xFF');
    writeBytes(path("s.zlr"), bytes);
    std::string error;
    const auto contents = readStore(path("s.zlr"), &error);
    ASSERT_TRUE(contents) << error;
    EXPECT_EQ(scannedRecords(*contents), c.scanned);
    EXPECT_EQ(static_cast<int>(contents->records.size()), c.whole);
    if (c.scanned > c.whole) {
        EXPECT_EQ(scannedLive(*contents, c.scanned), c.tailIsLive);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StoreLengthTest,
    ::testing::Values(LengthCase{0, 0, 0, false}, LengthCase{480, 0, 0, true},
                      LengthCase{481, 1, 0, true}, LengthCase{959, 1, 0, false},
                      LengthCase{960, 1, 1, false}, LengthCase{1440, 2, 1, true},
                      LengthCase{2400, 2, 2, false}, LengthCase{2401, 3, 2, false}));

TEST_F(StoreFileTest, ReadingCreatesAMissingFileOnlyWhenAsked) {
    std::string error;
    EXPECT_FALSE(readStore(path("none.zlr"), &error, IfMissing::Fail));
    EXPECT_NE(error.find("none.zlr"), std::string::npos);
    EXPECT_FALSE(readStoreRecord(path("none.zlr"), 1, &error, IfMissing::Fail));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.zlr")));
    const auto created = readStore(path("new.zlr"), &error);
    ASSERT_TRUE(created) << error;
    EXPECT_EQ(created->length, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("new.zlr")));
}

TEST_F(StoreFileTest, WindowsPathsAreRefusedAndNeverCreated) {
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const std::string windows :
         {"C:\\Vavivor\\x.zlr", "\\\\server\\share\\x.zlr", "\\def-store.zld", "d:x.zlr"}) {
        std::string error;
        EXPECT_FALSE(readStore(windows, &error)) << windows;
        EXPECT_NE(error.find("Windows path"), std::string::npos) << error;
        EXPECT_FALSE(writeStoreRecord(windows, 1, StorageRecord(), &error)) << windows;
    }
    QDir::setCurrent(saved);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing was created in the working folder";
}

TEST_F(StoreFileTest, DeletingChangesTheFlagOnly) {
    writeRecords(path("s.zlr"), {makeRecord(false, "one", startGenes()),
                                 makeRecord(true, "two", GeneSet{1, 2, 3, 4, 5, 6, 7, 8})});
    QByteArray expected = fileBytes(path("s.zlr"));
    std::string error;
    ASSERT_TRUE(markRecordDeleted(path("s.zlr"), 2, &error)) << error;
    expected[960] = '\xFF';
    expected[961] = '\xFF';
    EXPECT_EQ(fileBytes(path("s.zlr")), expected);
    EXPECT_FALSE(markRecordDeleted(path("s.zlr"), 3, &error));
    EXPECT_EQ(fileBytes(path("s.zlr")).size(), 1920) << "no record was added";
}

TEST_F(StoreFileTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    std::string error;
    QDir(dir.path()).mkdir("folder.zlr");
    EXPECT_FALSE(readStore(path("folder.zlr"), &error));
    EXPECT_NE(error.find("folder.zlr"), std::string::npos);
    writeBytes(path("plain"), "x");
    EXPECT_FALSE(writeStoreRecord(path("plain") + "/s.zlr", 1, StorageRecord(), &error));
    EXPECT_NE(error.find("plain/s.zlr: "), std::string::npos) << error;
}

// ---- The storage list file

TEST(StoreListFormatTest, FirstLineUsesPrintZonesOfFourteenColumnsAndEntriesAreQuoted) {
    // Each number between its sign place and a blank; the second zone starts at column 15.
    EXPECT_EQ(storeListFirstLine(1, 1), " 1" + std::string(13, ' ') + "1 ");
    EXPECT_EQ(storeListFirstLine(12, 3), " 12" + std::string(12, ' ') + "3 ");
    EXPECT_EQ(storeListFirstLine(32767, 32767), " 32767" + std::string(9, ' ') + "32767 ");
    EXPECT_EQ(formatStoreList(2, 2, {"\\def-store.zld", "/home/u/a b.zlr"}),
              storeListFirstLine(2, 2) + "\r\n\"\\def-store.zld\"\r\n\"/home/u/a b.zlr\"\r\n");
    const std::vector<std::string> entries{"\\def-store.zld", "/home/u/a.zlr", "/home/u/A.zlr",
                                           "/tmp/x y/ß.zlr"};
    const StoreListParse parsed = parseStoreList(formatStoreList(4, 3, entries));
    ASSERT_TRUE(parsed.list) << parsed.error;
    EXPECT_EQ(parsed.list->current, 3);
    EXPECT_EQ(parsed.list->entries, entries);
}

struct ListCase {
    const char* name;
    std::string text;
    int count; // 0: refused
    int current;
    std::string lastEntry;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class StoreListParseTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(StoreListParseTest, ReadsWhatEitherProgramWroteAndRefusesTheRest) {
    const ListCase& c = GetParam();
    const StoreListParse parsed = parseStoreList(c.text);
    if (c.count == 0) {
        EXPECT_FALSE(parsed.list);
        EXPECT_FALSE(parsed.error.empty());
        return;
    }
    ASSERT_TRUE(parsed.list) << parsed.error;
    EXPECT_EQ(parsed.list->count, c.count);
    EXPECT_EQ(parsed.list->current, c.current);
    ASSERT_EQ(parsed.list->entries.size(), static_cast<std::size_t>(c.count));
    EXPECT_EQ(parsed.list->entries.front(), "\\def-store.zld");
    EXPECT_EQ(parsed.list->entries.back(), c.lastEntry);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, StoreListParseTest,
    ::testing::Values(
        ListCase{"smallest", " 1             1 \r\n\"\\def-store.zld\"\r\n", 1, 1,
                 "\\def-store.zld"},
        ListCase{"comma_lf_blanks", "  2,2  \n  \"\\def-store.zld\"  \n\"C:\\V\\x.zlr\"\n\n", 2, 2,
                 "C:\\V\\x.zlr"},
        ListCase{"windows1252",
                 "2 2\r\n\"\\def-store.zld\"\r\n\"C:\\Fr\xE9"
                 "d.zlr\"\r\n",
                 2, 2, "C:\\Fréd.zlr"},
        ListCase{"bom_utf8",
                 "\xEF\xBB\xBF"
                 "2 2\r\n\"\\def-store.zld\"\r\n\"/home/frédéric.zlr\"\r\n",
                 2, 2, "/home/frédéric.zlr"},
        ListCase{"empty", "", 0, 0, ""}, ListCase{"words", "two one\r\n", 0, 0, ""},
        ListCase{"three_numbers", "1 1 1\r\n\"\\def-store.zld\"\r\n", 0, 0, ""},
        ListCase{"current_out", "2 3\r\n\"\\def-store.zld\"\r\n\"/a.zlr\"\r\n", 0, 0, ""},
        ListCase{"too_few", "3 1\r\n\"\\def-store.zld\"\r\n\"/a.zlr\"\r\n", 0, 0, ""},
        ListCase{"unquoted", "2 1\r\n\"\\def-store.zld\"\r\n/a.zlr\r\n", 0, 0, ""},
        ListCase{"empty_entry", "2 1\r\n\"\\def-store.zld\"\r\n\"\"\r\n", 0, 0, ""},
        ListCase{"beyond_16_bit", "40000 1\r\n\"\\def-store.zld\"\r\n", 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreListFileTest, TheDefaultEntryLiesInTheGivenFolder) {
    EXPECT_EQ(defaultStorePath("/opt/vavivor", "\\def-store.zld"), "/opt/vavivor/def-store.zld");
    EXPECT_EQ(defaultStorePath("/opt/vavivor/", "\\def-store.zld"), "/opt/vavivor/def-store.zld");
    EXPECT_EQ(defaultStorePath("/", "\\def-store.zld"), "/def-store.zld");
    EXPECT_EQ(defaultStorePath("/p", "sub\\d.zld"), "/p/sub/d.zld");
    EXPECT_EQ(folderOf("/p/q/str-data.txt"), "/p/q");
    EXPECT_EQ(folderOf("str-data.txt"), ".");
}

TEST(StoreListFileTest, WritingReplacesTheWholeFileOrNothingAndSettingAsideFindsAFreeName) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("str-data.txt").toStdString();
    std::string error;
    ASSERT_TRUE(writeStoreListFile(path, "old", &error)) << error;
    ASSERT_TRUE(writeStoreListFile(path, "new", &error)) << error;
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"str-data.txt"})
        << "no temporary file is left behind";
    QDir(dir.path()).mkdir("list-is-a-folder");
    EXPECT_FALSE(writeStoreListFile(dir.filePath("list-is-a-folder").toStdString(), "x", &error));
    EXPECT_FALSE(error.empty());

    EXPECT_EQ(setAsideFile(path, &error), path + ".damaged");
    writeBytes(path, "second");
    EXPECT_EQ(setAsideFile(path, &error), path + ".damaged-2");
    EXPECT_EQ(fileBytes(path + ".damaged"), "new");
    EXPECT_EQ(fileBytes(path + ".damaged-2"), "second");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
}

} // namespace
} // namespace vavivor
