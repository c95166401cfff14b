#include "printing/catalogue_print.h"
#include "storage/record_io.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace vavivor {
namespace {

using Item = RecordingPrinterPage::Item;
using Kind = Item::Kind;

// The text of a number item: sign place, digits, blank.
std::string numberItem(int number) {
    std::string text = " ";
    text += std::to_string(number);
    text += ' ';
    return text;
}

constexpr double kLine14 = 14 * 23.0;
constexpr double kLine12 = 12 * 23.0;
constexpr double kLine10 = 10 * 23.0;
// File heading, its empty line, the column headings and theirs.
constexpr double kFileHeadLines = 2 * kLine14 + 2 * kLine12;

struct Rec {
    bool deleted = false;
    bool sequence = false;
    std::string description = "figure";
    GeneSet genes{5, 5, 5, 5, 5, 5, 5, 5};
};

StorageRecord makeRecord(const Rec& r) {
    StorageRecord record;
    record.deleted = r.deleted ? -1 : 0;
    record.kind = r.sequence ? -1 : 0;
    record.description = *encodeDescription(r.description);
    for (int g = 0; g < kGeneCount; ++g) {
        record.cell(0, g) = r.genes[g];
        record.cell(1, g) = 9; // the second figure of a sequence is never printed
    }
    return record;
}

class CatalogueTest : public ::testing::Test {
protected:
    // Writes a storage file of `records` (and `extraBytes` of a broken record behind them).
    std::string writeStore(const std::string& name, const std::vector<Rec>& records,
                           int extraBytes = 0) {
        const QString path = dir.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (const Rec& r : records) {
            const RecordBytes bytes = encodeRecord(makeRecord(r));
            file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
        }
        file.write(QByteArray(extraBytes, '\x01'));
        return path.toStdString();
    }

    void setList(const std::vector<std::string>& paths) {
        rig.state.store.storeList = {""};
        rig.state.store.storeList.insert(rig.state.store.storeList.end(), paths.begin(),
                                         paths.end());
        rig.state.store.storeCount = static_cast<std::int16_t>(paths.size());
        rig.state.store.currentEntry = 1;
    }

    void print(std::int16_t n) { printCatalogue(rig.state, rig.services, n); }

    const std::vector<Item>& items() { return rig.platform.printer.items; }

    std::vector<Item> textsAt(double y, int page = 1) {
        std::vector<Item> out;
        for (const Item& item : items()) {
            if (item.kind == Kind::Text && item.y == y && item.page == page) {
                out.push_back(item);
            }
        }
        return out;
    }

    std::vector<Item> withText(const std::string& text) {
        std::vector<Item> out;
        for (const Item& item : items()) {
            if (item.kind == Kind::Text && item.text == text) {
                out.push_back(item);
            }
        }
        return out;
    }

    // The record numbers printed at column 6 in 10-point type, in order.
    std::vector<std::string> recordNumbers() {
        std::vector<std::string> out;
        for (const Item& item : items()) {
            if (item.kind == Kind::Text && item.x == 690 && item.fontSize == 10 &&
                item.text.find_first_not_of("0123456789") == std::string::npos) {
                out.push_back(item.text);
            }
        }
        return out;
    }

    QTemporaryDir dir;
    LogicRig rig;
};

TEST_F(CatalogueTest, OneFileWithTitleHeadingsRecordsAndFooter) {
    const std::string path =
        writeStore("one.zlr", {{false, false, "  tree  ", {1, 2, 3, 4, 5, 6, 7, 8}},
                               {true, true, "gone", {}},
                               {false, true, "spiral", {5, 6, 4, 5, 5, 7, 3, 2}}});
    setList({path});
    print(1);

    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_TRUE(rig.platform.dialogs.shown.empty());

    const std::vector<Item> title = textsAt(1084);
    ASSERT_EQ(title.size(), 2U);
    EXPECT_EQ(title[0].text, "VAVIVOR CATALOGUE");
    EXPECT_EQ(title[0].x, 690);
    EXPECT_EQ(title[1].text, rig.platform.clock.date);
    EXPECT_EQ(title[1].x, 70 * 115);
    for (const Item& item : title) {
        EXPECT_EQ(item.fontName, "Arial");
        EXPECT_EQ(item.fontSize, 14);
        EXPECT_TRUE(item.bold);
    }

    const double fileY = 1084 + 2 * kLine14;
    const std::vector<Item> heading = textsAt(fileY);
    ASSERT_EQ(heading.size(), 1U);
    EXPECT_EQ(heading[0].text, "File: " + path);
    EXPECT_EQ(heading[0].x, 690);
    EXPECT_EQ(heading[0].fontSize, 14);
    EXPECT_TRUE(heading[0].bold);

    const std::vector<Item> columns = textsAt(fileY + 2 * kLine14);
    ASSERT_EQ(columns.size(), 2U);
    EXPECT_EQ(columns[0].text, "Record");
    EXPECT_EQ(columns[0].x, 690);
    EXPECT_EQ(columns[1].text, "Description");
    EXPECT_EQ(columns[1].x, 15 * 115);
    EXPECT_EQ(columns[1].fontSize, 12);
    EXPECT_TRUE(columns[1].bold);

    const double firstY = fileY + kFileHeadLines;
    const std::vector<Item> first = textsAt(firstY);
    ASSERT_EQ(first.size(), 3U);
    EXPECT_EQ(first[0].text, "1");
    EXPECT_EQ(first[0].x, 690);
    EXPECT_EQ(first[1].text, "tree");
    EXPECT_EQ(first[1].x, 15 * 115);
    EXPECT_EQ(first[2].text, ", (a single Zeloid)");
    EXPECT_GT(first[2].x, first[1].x); // directly behind the description
    EXPECT_TRUE(first[2].lineEnd);
    for (const Item& item : first) {
        EXPECT_EQ(item.fontName, "Arial");
        EXPECT_EQ(item.fontSize, 10);
        EXPECT_FALSE(item.bold);
    }
    const std::vector<Item> genes = textsAt(firstY + kLine10);
    ASSERT_EQ(genes.size(), 9U);
    EXPECT_EQ(genes[0].text, "Genes: ");
    EXPECT_EQ(genes[0].x, 15 * 115);
    std::string joined;
    for (const Item& item : genes) {
        joined += item.text;
    }
    EXPECT_EQ(joined, "Genes: 1  2  3  4  5  6  7  8  ");

    // Record 2 is deleted; record 3 follows after an empty line and keeps its number.
    const std::vector<Item> third = textsAt(firstY + 3 * kLine10);
    ASSERT_EQ(third.size(), 3U);
    EXPECT_EQ(third[0].text, "3");
    EXPECT_EQ(third[1].text, "spiral");
    EXPECT_EQ(third[2].text, ", (a sequence of mutations)");
    joined.clear();
    for (const Item& item : textsAt(firstY + 4 * kLine10)) {
        joined += item.text;
    }
    EXPECT_EQ(joined, "Genes of first Zeloid: 5  6  4  5  5  7  3  2  ");
    EXPECT_TRUE(withText("gone").empty());

    const std::vector<Item> footer = textsAt(59 * 271);
    ASSERT_EQ(footer.size(), 2U);
    EXPECT_EQ(footer[0].text, "Page ");
    EXPECT_EQ(footer[0].x, 47 * 115);
    EXPECT_EQ(footer[0].fontName, "Arial rounded MT Bold");
    EXPECT_EQ(footer[0].fontSize, 10);
    EXPECT_EQ(footer[1].text, " 1 ");
    EXPECT_TRUE(footer[1].lineEnd);
    EXPECT_EQ(items().back().kind, Kind::EndDoc);
    EXPECT_EQ(items().back().fontName, "Arial");
    EXPECT_EQ(items().back().fontSize, 10);
    EXPECT_FALSE(items().back().bold);
    EXPECT_EQ(rig.state.print.printFontSize, 10);
}

TEST_F(CatalogueTest, OnlyWholeLiveRecordsArePrintedAndNumbersKeepTheirGaps) {
    const std::string path = writeStore("gaps.zlr", {{}, {}, {true}, {}, {}}, 959);
    setList({path});
    print(1);
    EXPECT_EQ(recordNumbers(), (std::vector<std::string>{"1", "2", "4", "5"}));
}

TEST_F(CatalogueTest, PositionsAreRoundedHalvesToEven) {
    StorageRecord record = makeRecord({});
    const std::array<float, kGeneCount> stored{2.5F, 3.5F, 4.4F, 4.6F, 1.0F, 9.0F, 0.5F, 8.5F};
    for (int g = 0; g < kGeneCount; ++g) {
        record.cell(0, g) = stored[g];
    }
    const QString path = dir.filePath("round.zlr");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const RecordBytes bytes = encodeRecord(record);
    file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
    file.close();
    setList({path.toStdString()});
    print(1);
    std::string joined;
    for (const Item& item : items()) {
        if (item.kind == Kind::Text && item.x >= 15 * 115 && item.fontName == "Arial" &&
            item.fontSize == 10 && item.text != "figure" && item.text != ", (a single Zeloid)") {
            joined += item.text;
        }
    }
    EXPECT_EQ(joined, "Genes: 2  4  4  5  1  9  0  8  ");
}

TEST_F(CatalogueTest, AllPrintsOneDocumentWithOneTitleAndEveryFile) {
    const std::string a = writeStore("a.zlr", {{}, {}});
    const std::string b = writeStore("b.zlr", {});
    const std::string c = writeStore("c.zlr", {{false, true, "c1"}});
    setList({a, b, c});
    print(0);
    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_EQ(withText("VAVIVOR CATALOGUE").size(), 1U);
    std::vector<std::string> headings;
    for (const Item& item : items()) {
        if (item.kind == Kind::Text && item.text.rfind("File: ", 0) == 0) {
            headings.push_back(item.text);
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"File: " + a, "File: " + b, "File: " + c}));
    EXPECT_EQ(withText("Record").size(), 3U);
    EXPECT_EQ(withText("Description").size(), 3U);
    EXPECT_EQ(recordNumbers(), (std::vector<std::string>{"1", "2", "1"}));
    EXPECT_EQ(withText("Page ").size(), 1U);
}

TEST_F(CatalogueTest, ANumberOutsideTheListPrintsNothing) {
    setList({writeStore("a.zlr", {{}})});
    for (std::int16_t n : {std::int16_t{-1}, std::int16_t{2}}) {
        print(n);
    }
    EXPECT_TRUE(items().empty());
    EXPECT_TRUE(rig.platform.dialogs.shown.empty());
}

// Where the first record and the file heading land for a given y before the file.
struct BreakCase {
    const char* name;
    double startY;
    int headingPage;
    int recordPage;
};

class CatalogueBreakTest : public CatalogueTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(CatalogueBreakTest, NewPagesStartOnlyPastTheLimits) {
    const BreakCase& c = GetParam();
    setList({writeStore("a.zlr", {{}})});
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
        const std::vector<Item> repeated = textsAt(1084, 2);
        ASSERT_EQ(repeated.size(), 2U);
        EXPECT_EQ(repeated[0].text, "Record");
    }
    // Every page that was left got its footer first.
    std::map<int, int> footers;
    for (const Item& item : withText("Page ")) {
        EXPECT_EQ(item.x, 47 * 115);
        EXPECT_EQ(item.y, 59 * 271);
        ++footers[item.page];
    }
    EXPECT_EQ(footers.size(), static_cast<std::size_t>(c.recordPage - 1));
    EXPECT_EQ(withText("Record").size(), c.recordPage != c.headingPage ? 2U : 1U);
}

// The file heading and the column headings take kFileHeadLines = 1196 twips, so a file begun
// at 13980 puts its first record exactly at 15176.
INSTANTIATE_TEST_SUITE_P(Limits, CatalogueBreakTest,
                         ::testing::Values(BreakCase{"RecordAtTheLimit", 13980, 1, 1},
                                           BreakCase{"RecordPastTheLimit", 13981, 1, 2},
                                           BreakCase{"HeadingAtTheLimit", 14092, 1, 2},
                                           BreakCase{"HeadingPastTheLimit", 14093, 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatalogueTest, EveryPageEndsWithItsNumberedFooter) {
    const std::string a = writeStore("a.zlr", std::vector<Rec>(30));
    const std::string b = writeStore("b.zlr", std::vector<Rec>(45));
    setList({a, b});
    print(0);

    int pages = 1;
    for (const Item& item : items()) {
        if (item.kind == Kind::NewPage) {
            ++pages;
        }
    }
    ASSERT_GE(pages, 4);
    const std::vector<Item> labels = withText("Page ");
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(pages));
    for (int p = 1; p <= pages; ++p) {
        const std::vector<Item> footer = textsAt(59 * 271, p);
        ASSERT_EQ(footer.size(), 2U) << p;
        EXPECT_EQ(footer[0].x, 47 * 115);
        EXPECT_EQ(footer[1].text, numberItem(p));
    }
    // No record starts below the limit, and 75 records are all there.
    for (const Item& item : items()) {
        if (item.kind == Kind::Text && item.x == 690 && item.fontSize == 10) {
            EXPECT_LE(item.y, rig.state.print.printBottomY);
        }
    }
    EXPECT_EQ(recordNumbers().size(), 75U);
    // The title stands on the first page only.
    ASSERT_EQ(withText("VAVIVOR CATALOGUE").size(), 1U);
    EXPECT_EQ(withText("VAVIVOR CATALOGUE")[0].page, 1);
}

TEST_F(CatalogueTest, AMissingFileIsNotedAndNotCreated) {
    const std::string a = writeStore("a.zlr", {{}});
    const std::string missing = dir.filePath("missing.zlr").toStdString();
    const std::string c = writeStore("c.zlr", {{}, {}});
    setList({a, missing, c});
    print(0);

    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));
    EXPECT_EQ(rig.platform.printer.documents, 1);
    EXPECT_EQ(recordNumbers(), (std::vector<std::string>{"1", "1", "2"}));
    ASSERT_EQ(withText("File: " + missing).size(), 1U);
    bool noted = false;
    for (const Item& item : items()) {
        noted = noted || (item.kind == Kind::Text && item.text.find(missing) != std::string::npos &&
                          item.text.find("does not exist") != std::string::npos);
    }
    EXPECT_TRUE(noted);
    ASSERT_EQ(rig.platform.dialogs.shown.size(), 1U);
    EXPECT_EQ(rig.platform.dialogs.shown[0].kind, "message");
    EXPECT_NE(rig.platform.dialogs.shown[0].text.find(missing), std::string::npos);
}

TEST_F(CatalogueTest, APrinterThatFailsIsReported) {
    setList({writeStore("a.zlr", {{}})});
    rig.platform.printer.failNextEndDoc = true;
    print(1);
    ASSERT_EQ(rig.platform.dialogs.shown.size(), 1U);
    EXPECT_EQ(rig.platform.dialogs.shown[0].text,
              "The catalogue was not printed: the printer is out of paper");
}

TEST_F(CatalogueTest, TheBreedingStateIsLeftAlone) {
    setList({writeStore("a.zlr", {{false, true, "x", {9, 9, 9, 9, 9, 9, 9, 9}}})});
    rig.state.breeding.sequenceShown = false;
    const GeneSet central = rig.state.genome.centralPos;
    print(1);
    EXPECT_FALSE(rig.state.breeding.sequenceShown);
    EXPECT_EQ(rig.state.genome.centralPos, central);
}

} // namespace
} // namespace vavivor
