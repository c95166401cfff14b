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

constexpr double kLine14 = 14 * 23.0;
constexpr double kLine12 = 12 * 23.0;
constexpr double kLine10 = 10 * 23.0;
// File heading, its empty line, the column headings and theirs.
constexpr double kFileHeadLines = 2 * kLine14 + 2 * kLine12;
constexpr double kFooterY = 59 * 271;

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
        return std::vector<StorageRecord>(count, makeRecord(false, "figure", startGenes()));
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
    std::vector<Item> textsAt(double y, int page = 1) {
        return texts([=](const Item& item) { return item.y == y && item.page == page; });
    }
    std::vector<Item> withText(const std::string& text) {
        return texts([&](const Item& item) { return item.text == text; });
    }
    static std::string joined(const std::vector<Item>& texts, const std::string& separator = "") {
        std::string out;
        for (const Item& item : texts) {
            out += item.text + separator;
        }
        return out;
    }
    std::string joinedAt(double y) { return joined(textsAt(y)); }
    // The record numbers printed at column 6 in 10-point type, in order, each with a blank.
    std::string recordNumbers() {
        return joined(texts([](const Item& item) {
                          return item.x == 690 && item.fontSize == 10 &&
                                 item.text.find_first_not_of("0123456789") == std::string::npos;
                      }),
                      " ");
    }

    QTemporaryDir dir;
    LogicRig rig;
};

// One file: title, headings, the live records and the footer. Stored positions round halves to
// even, a broken record at the end is left out, and the printer refusing the page is reported.
TEST_F(CatalogueTest, OneFileWithTitleHeadingsRecordsAndFooter) {
    std::vector<StorageRecord> records{makeRecord(false, "  tree  ", startGenes()),
                                       makeRecord(true, "gone", startGenes(), true),
                                       makeRecord(true, "spiral", GeneSet{5, 6, 4, 5, 5, 7, 3, 2})};
    const std::array<float, kGeneCount> stored{2.5F, 3.5F, 4.4F, 4.6F, 1.0F, 9.0F, 0.5F, 8.5F};
    for (int g = 0; g < kGeneCount; ++g) {
        records[0].cell(0, g) = stored[g];
    }
    const std::string path = writeStore("one.zlr", records, 959);
    setList({path});
    rig.platform.printer.failNextEndDoc = true;
    print(1);
    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_EQ(
        rig.platform.dialogs.messages(),
        std::vector<std::string>{"The catalogue was not printed: the printer is out of paper"});
    const double fileY = 1084 + 2 * kLine14;
    const double firstY = fileY + kFileHeadLines;
    struct Expected {
        std::string text;
        double x, y, points;
        bool bold;
    };
    for (const Expected& e :
         std::vector<Expected>{{"VAVIVOR CATALOGUE", 690, 1084, 14, true},
                               {rig.platform.clock.date, 70 * 115, 1084, 14, true},
                               {"File: " + path, 690, fileY, 14, true},
                               {"Record", 690, fileY + 2 * kLine14, 12, true},
                               {"Description", 15 * 115, fileY + 2 * kLine14, 12, true},
                               {"1", 690, firstY, 10, false},
                               {"tree", 15 * 115, firstY, 10, false},
                               {"Genes: ", 15 * 115, firstY + kLine10, 10, false},
                               {"3", 690, firstY + 3 * kLine10, 10, false}, // record 2 is deleted
                               {"Page ", 47 * 115, kFooterY, 10, false}}) {
        const std::vector<Item> found = withText(e.text);
        ASSERT_EQ(found.size(), 1U) << e.text;
        EXPECT_EQ(found[0].x, e.x) << e.text;
        EXPECT_EQ(found[0].y, e.y) << e.text;
        EXPECT_EQ(found[0].fontSize, e.points) << e.text;
        EXPECT_EQ(found[0].bold, e.bold) << e.text;
    }
    EXPECT_EQ(joinedAt(firstY), "1tree, (a single Zeloid)");
    EXPECT_EQ(joinedAt(firstY + kLine10), "Genes: 2  4  4  5  1  9  0  8  ");
    EXPECT_EQ(joinedAt(firstY + 3 * kLine10), "3spiral, (a sequence of mutations)");
    EXPECT_EQ(joinedAt(firstY + 4 * kLine10), "Genes of first Zeloid: 5  6  4  5  5  7  3  2  ");
    EXPECT_EQ(joinedAt(kFooterY), "Page  1 ");
    EXPECT_EQ(withText("Page ")[0].fontName, "Arial rounded MT Bold");
    EXPECT_EQ(recordNumbers(), "1 3 ");
    EXPECT_EQ(items().back().kind, Kind::EndDoc);
    EXPECT_EQ(items().back().fontName, "Arial");
    EXPECT_FALSE(items().back().bold);
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
    EXPECT_EQ(withText("Record").size(), 3U);
    EXPECT_EQ(recordNumbers(), "1 2 1 ");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));
    EXPECT_TRUE(std::any_of(items().begin(), items().end(), [&](const Item& item) {
        return item.text.find(missing) != std::string::npos &&
               item.text.find("does not exist") != std::string::npos;
    }));
    ASSERT_EQ(rig.platform.dialogs.messages().size(), 1U);
    EXPECT_NE(rig.platform.dialogs.messages()[0].find(missing), std::string::npos);

    // A number outside the list prints nothing.
    rig.platform.printer.items.clear();
    print(-1);
    print(5);
    EXPECT_TRUE(items().empty());
    EXPECT_EQ(rig.platform.dialogs.messages().size(), 1U);
}

// Where the first record and the file heading land for a given y before the file.
struct BreakCase {
    const char* name;
    double startY;
    int headingPage;
    int recordPage;
};

void PrintTo(const BreakCase& c, std::ostream* os) {
    *os << c.name;
}

class CatalogueBreakTest : public CatalogueTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(CatalogueBreakTest, NewPagesStartOnlyPastTheLimits) {
    const BreakCase& c = GetParam();
    setList({writeStore("a.zlr", figures(1))});
    RecordingPrinterPage& page = rig.platform.printer;
    page.setFontName("Arial");
    page.setCurrentY(c.startY);
    std::string error;
    ASSERT_TRUE(printStorageFile(rig.state, page, 1, &error)) << error;

    const std::vector<Item> heading = withText("File: " + rig.state.store.storeList[1]);
    ASSERT_EQ(heading.size(), 1U);
    EXPECT_EQ(heading[0].page, c.headingPage);
    EXPECT_EQ(heading[0].y, c.headingPage == 1 ? c.startY : 1084);
    const std::vector<Item> first = withText("1");
    ASSERT_EQ(first.size(), 1U);
    EXPECT_EQ(first[0].page, c.recordPage);
    if (c.recordPage == c.headingPage) {
        EXPECT_EQ(first[0].y, heading[0].y + kFileHeadLines);
    } else {
        // The column headings are repeated at the top of the new page.
        EXPECT_EQ(first[0].y, 1084 + 2 * kLine12);
        ASSERT_EQ(textsAt(1084, 2).size(), 2U);
        EXPECT_EQ(textsAt(1084, 2)[0].text, "Record");
    }
    // The page that was left got its footer first.
    const std::vector<Item> footers = withText("Page ");
    EXPECT_EQ(footers.size(), static_cast<std::size_t>(c.recordPage - 1));
    EXPECT_TRUE(footers.empty() || footers[0].page == 1);
}

// The file heading and the column headings take kFileHeadLines = 1196 twips, so a file begun
// at 13980 puts its first record exactly at 15176.
INSTANTIATE_TEST_SUITE_P(Limits, CatalogueBreakTest,
                         ::testing::Values(BreakCase{"RecordAtTheLimit", 13980, 1, 1},
                                           BreakCase{"RecordPastTheLimit", 13981, 1, 2},
                                           BreakCase{"HeadingAtTheLimit", 14092, 1, 2},
                                           BreakCase{"HeadingPastTheLimit", 14093, 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vavivor
