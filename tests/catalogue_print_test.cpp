#include "printing/catalogue_print.h"
#include "storage/record_io.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace vavivor {
namespace {

using Item = RecordingPrinterPage::Item;
using Kind = Item::Kind;

constexpr double kLine14 = RecordingPrinterPage::lineHeight(14);
constexpr double kLine12 = RecordingPrinterPage::lineHeight(12);
constexpr double kLine10 = RecordingPrinterPage::lineHeight(10);
// File heading, its empty line, the column headings and theirs.
constexpr double kFileHeadLines = 2 * kLine14 + 2 * kLine12;

class CatalogueTest : public ::testing::Test {
protected:
    // Writes a storage file of `records` (and `extraBytes` of a broken record behind them).
    std::string writeStore(const std::string& name, const std::vector<StorageRecord>& records,
                           int extraBytes = 0) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        writeRecords(path, records);
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(extraBytes, '\x01'));
        return path;
    }
    static std::vector<StorageRecord> figures(int count) {
        return std::vector<StorageRecord>(count, makeRecord(false, "figure"));
    }
    void setList(std::vector<std::string> paths) {
        rig.state.store.storeCount = static_cast<std::int16_t>(paths.size());
        paths.insert(paths.begin(), "");
        rig.state.store.storeList = std::move(paths);
    }
    void print(std::int16_t n) { printCatalogue(rig.state, rig.services, n); }
    const std::vector<Item>& items() { return rig.platform.printer.items; }

    // The printed texts for which `keep` holds, in order.
    std::vector<Item> texts(const std::function<bool(const Item&)>& keep) {
        std::vector<Item> out;
        std::copy_if(items().begin(), items().end(), std::back_inserter(out),
                     [&](const Item& item) { return item.kind == Kind::Text && keep(item); });
        return out;
    }
    std::vector<Item> withText(const std::string& text) {
        return texts([&](const Item& item) { return item.text == text; });
    }
    // The texts of one printed line, joined.
    std::string joinedAt(double y) {
        std::string out;
        for (const Item& item : texts([=](const Item& i) { return i.y == y; })) {
            out += item.text;
        }
        return out;
    }

    QTemporaryDir dir;
    LogicRig rig;
};

// One file: the date, then the live records. Stored positions round halves to even, a broken
// record at the end is left out, and the printer refusing the page is reported.
TEST_F(CatalogueTest, OneFileWithHeadingsAndItsLiveRecords) {
    std::vector<StorageRecord> records{makeRecord(false, "  tree  "),
                                       deletedElsewhere(makeRecord(true, "gone")),
                                       makeRecord(true, "spiral", GeneSet{5, 6, 4, 5, 5, 7, 3, 2})};
    const std::array<float, kGeneCount> stored{2.5F, 3.5F, 4.4F, 4.6F, 1.0F, 9.0F, 0.5F, 8.5F};
    for (int g = 0; g < kGeneCount; ++g) {
        records[0].cell(0, g) = stored[g];
    }
    const std::string path = writeStore("one.zlr", records, 959);
    setList({path});
    rig.platform.clock.date = "5 December 2026"; // one that fits beside the 14-point title
    rig.platform.printer.failingEndDocs = 1;
    print(1);
    EXPECT_EQ(
        rig.platform.dialogs.messages(),
        std::vector<std::string>{"The catalogue was not printed: the printer is out of paper"});
    const double firstY = 1084 + 2 * kLine14 + kFileHeadLines;
    EXPECT_EQ(withText(rig.platform.clock.date).size(), 1U);
    EXPECT_EQ(joinedAt(firstY), "1tree, (a single Zeloid)");
    EXPECT_EQ(joinedAt(firstY + kLine10), "Genes: 2  4  4  5  1  9  0  8  ");
    EXPECT_EQ(joinedAt(firstY + 3 * kLine10), "3spiral, (a sequence of mutations)");
    EXPECT_EQ(joinedAt(firstY + 4 * kLine10), "Genes of first Zeloid: 5  6  4  5  5  7  3  2  ");
}

// ALL prints one document with one title and every file; a missing file is noted on the page
// and reported, and not created.
TEST_F(CatalogueTest, AllPrintsEveryFileAndNotesAMissingOne) {
    const std::string missing = dir.filePath("missing.zlr").toStdString();
    const std::vector<std::string> files{writeStore("a.zlr", figures(2)), writeStore("b.zlr", {}),
                                         missing, writeStore("c.zlr", figures(1))};
    setList(files);
    print(0);
    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_EQ(withText("VAVIVOR CATALOGUE").size(), 1U);
    for (const std::string& file : files) {
        EXPECT_EQ(withText("File: " + file).size(), 1U) << file;
    }
    EXPECT_EQ(withText("figure").size(), 3U);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));
    // On the page, under the heading with the whole path, the note names the file alone.
    EXPECT_EQ(
        withText("Could not open the storage file missing.zlr: the file does not exist.").size(),
        1U);
    ASSERT_EQ(rig.platform.dialogs.messages().size(), 1U);
    EXPECT_NE(rig.platform.dialogs.messages()[0].find(missing), std::string::npos);
}

} // namespace
} // namespace vavivor
