#include "core/renderer.h"
#include "platform/qt_printer_page.h"
#include "printing/catalogue_print.h"
#include "printing/graphics_print.h"
#include "storage/record_io.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

// The print grid's page stands centred on A4: these margins, in points, lie before it.
constexpr double kLeftMargin = (595.2756 - 11512 / 20.0) / 2;
constexpr double kTopMargin = (841.8898 - 16264 / 20.0) / 2;
constexpr double kTolerance = 1.5; // points

struct Word {
    std::string text;
    int page = 0;
    double x = 0; // left edge, points from the left of the paper
    double y = 0; // top edge, points from the top
};

// The words of a PDF with their boxes, as pdftotext reads them back.
std::vector<Word> readWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000)) << "pdftotext did not run";
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<Word> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({m.captured(3).toStdString(), page, m.captured(1).toDouble(),
                         m.captured(2).toDouble()});
    }
    return words;
}

const Word* find(const std::vector<Word>& words, const std::string& text, int page = 1) {
    for (const Word& w : words) {
        if (w.text == text && w.page == page) {
            return &w;
        }
    }
    return nullptr;
}

// Expects `text` on `page` with its left edge at column x and the top of its line at y,
// both in twips of the print grid.
void expectAt(const std::vector<Word>& words, const std::string& text, double x, double y,
              int page = 1) {
    const Word* w = find(words, text, page);
    ASSERT_NE(w, nullptr) << text << " is not on page " << page;
    EXPECT_NEAR(w->x, kLeftMargin + x / 20.0, kTolerance) << text;
    // The word's box starts a little below the top of the line.
    EXPECT_NEAR(w->y, kTopMargin + y / 20.0, 4.0) << text;
    EXPECT_GE(w->y, kTopMargin + y / 20.0 - 0.5) << text;
}

class QtPrinterPageTest : public ::testing::Test {
protected:
    QtPrinterPageTest() : pdf(dir.filePath(QStringLiteral("page.pdf"))), page(pdf) {
        page.setReport([this](const std::string& text) { reports.push_back(text); });
    }

    Services services() {
        PlatformServices platform{
            rig.platform.dialogs, rig.platform.printDialogs, page,
            rig.platform.help,    rig.platform.random,       rig.platform.clock};
        return Services{platform, rig.controls};
    }

    QTemporaryDir dir;
    QString pdf;
    QtPrinterPage page;
    LogicRig rig;
    std::vector<std::string> reports;
};

TEST_F(QtPrinterPageTest, TheGraphicsPrintStandsOnPaperWhereTheGridPutsIt) {
    rig.state.screen.gridFlag[0] = 1;
    rig.state.breeding.sequenceShown = true;
    rig.state.genome.genePos = {7, 3, 5, 5, 7, 5, 5, 4};
    positionsToValues(rig.state.genome);
    drawCell(rig.state.renderer, rig.picture(), rig.state.genome.geneValue, 500, 500,
             kFullRefLength, kStartAngle, kPicScale, 0, "Orig.");
    Services s = services();
    graphicsPrint(rig.state, s);

    EXPECT_TRUE(rig.platform.dialogs.shown.empty());
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports[0], "Printed to " + QDir::toNativeSeparators(pdf).toStdString());
    EXPECT_EQ(page.lastPdfPath(), pdf);

    const std::vector<Word> words = readWords(pdf);
    expectAt(words, "VAVIVOR", 690, 1084);
    expectAt(words, "Saturday,", 8280, 1084);
    expectAt(words, "Mutated", 690, 11653);
    expectAt(words, "GENES:", 690, 11653 + 1 * 276);
    const Word* genes = find(words, "GENES:");
    const Word* depth = nullptr; // the "1" of "1  Iteration depth" on the line of GENES:
    for (const Word& w : words) {
        if (w.text == "1" && genes != nullptr && std::abs(w.y - genes->y) < 0.5) {
            depth = &w;
        }
    }
    const Word* value = find(words, "7,");
    ASSERT_TRUE(genes && depth && value);
    EXPECT_NEAR(depth->x, kLeftMargin + 16 * 115 / 20.0, kTolerance);
    EXPECT_NEAR(value->x, kLeftMargin + 38 * 115 / 20.0, kTolerance);
    // Eight gene lines, one below the other.
    const Word* aspect = find(words, "Aspect");
    ASSERT_NE(aspect, nullptr);
    EXPECT_GT(aspect->y, genes->y + 6 * 12);
    EXPECT_LT(aspect->y, genes->y + 8 * 16);
    for (const Word& w : words) {
        EXPECT_EQ(w.page, 1);
    }
}

TEST_F(QtPrinterPageTest, TheCatalogueBreaksPagesAndNumbersThem) {
    const QString store = dir.filePath(QStringLiteral("many.zlr"));
    QFile file(store);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int r = 0; r < 40; ++r) {
        StorageRecord record;
        record.kind = r % 2 == 0 ? -1 : 0;
        record.description = *encodeDescription("figure " + std::to_string(r + 1));
        for (int g = 0; g < kGeneCount; ++g) {
            record.cell(0, g) = static_cast<float>(1 + (r + g) % 9);
        }
        const RecordBytes bytes = encodeRecord(record);
        file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
    }
    file.close();
    rig.state.store.storeList = {"", store.toStdString()};
    rig.state.store.storeCount = 1;
    const CatalogueOutcome outcome =
        printCatalogueDocument(rig.state, page, rig.platform.clock, std::int16_t{1});
    EXPECT_TRUE(outcome.printed) << outcome.printerFailure;

    const std::vector<Word> words = readWords(pdf);
    int pages = 0;
    for (const Word& w : words) {
        pages = std::max(pages, w.page);
    }
    ASSERT_GE(pages, 2);
    expectAt(words, "VAVIVOR", 690, 1084);
    expectAt(words, "File:", 690, 1084 + 2 * 322);
    for (int p = 1; p <= pages; ++p) {
        expectAt(words, "Page", 47 * 115, 59 * 271, p);
        ASSERT_NE(find(words, std::to_string(p), p), nullptr) << p;
        // The column headings stand at the top of every following page.
        if (p > 1) {
            expectAt(words, "Record", 690, 1084, p);
            EXPECT_EQ(find(words, "VAVIVOR", p), nullptr);
        }
    }
    const Word* last = find(words, "40", pages);
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->x, kLeftMargin + 690 / 20.0, kTolerance);
}

TEST(QtPrinterPageFailureTest, AFileThatCannotBeWrittenIsAFailure) {
    QtPrinterPage page(QStringLiteral("/nonexistent-folder/for/sure/page.pdf"));
    page.printText("VAVIVOR", true);
    EXPECT_FALSE(page.endDoc());
    EXPECT_NE(page.failure().find("/nonexistent-folder/for/sure/page.pdf"), std::string::npos);
    // The next document starts afresh.
    EXPECT_EQ(page.pageNumber(), 1);
    EXPECT_EQ(page.currentY(), 0);
}

TEST(QtPrinterPageFallbackTest, WithoutAPrinterEachDocumentIsANewPdf) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed";
    }
    QTemporaryDir dir;
    QtPrinterPage page;
    EXPECT_FALSE(page.hasSystemPrinter());
    page.setPdfFolder(dir.filePath(QStringLiteral("Vavivor")));
    std::vector<std::string> reports;
    page.setReport([&](const std::string& text) { reports.push_back(text); });
    for (int i = 0; i < 2; ++i) {
        page.printText("VAVIVOR", true);
        ASSERT_TRUE(page.endDoc()) << page.failure();
    }
    const QStringList files = QDir(page.pdfFolder()).entryList({QStringLiteral("vavivor-*.pdf")});
    EXPECT_EQ(files.size(), 2);
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[1],
              "Printed to " + QDir::toNativeSeparators(page.lastPdfPath()).toStdString());
    EXPECT_TRUE(page.lastPdfPath().startsWith(page.pdfFolder()));
}

TEST(QtPrinterPageFontTest, TheProgramsFacesAreSubstituted) {
    struct Case {
        const char* name;
        bool bold;
        bool expectBold;
    };
    for (const Case& c : {Case{"Arial", false, false}, Case{"Arial", true, true},
                          Case{"Arial rounded MT Bold", false, true}}) {
        const QFont font = QtPrinterPage::printerFont(c.name, c.bold, 10);
        EXPECT_EQ(font.bold(), c.expectBold) << c.name;
        EXPECT_EQ(font.pointSizeF(), 10);
        EXPECT_TRUE(font.families().contains(QStringLiteral("Liberation Sans"))) << c.name;
    }
}

} // namespace
} // namespace vavivor
