#include "platform/qt_printer_page.h"
#include "printing/catalogue_print.h"
#include "storage_fakes.h"
#include "support/file_limit.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

// The print grid's page stands centred on A4: these margins, in points, lie before it.
constexpr double kLeftMargin = (595.2756 - 11512 / 20.0) / 2;
constexpr double kTopMargin = (841.8898 - 16264 / 20.0) / 2;

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

const Word* find(const std::vector<Word>& words, const std::string& text, int page) {
    const auto it = std::find_if(words.begin(), words.end(),
                                 [&](const Word& w) { return w.text == text && w.page == page; });
    return it == words.end() ? nullptr : &*it;
}

// Expects `text` on `page` with its left edge at column x and the top of its line at y,
// both in twips of the print grid.
void expectAt(const std::vector<Word>& words, const std::string& text, double x, double y,
              int page = 1) {
    const Word* w = find(words, text, page);
    ASSERT_NE(w, nullptr) << text << " is not on page " << page;
    EXPECT_NEAR(w->x, kLeftMargin + x / 20.0, 1.5) << text;
    // The word's box starts a little below the top of the line.
    EXPECT_NEAR(w->y, kTopMargin + y / 20.0 + 2.0, 2.5) << text;
}

// A real PDF, read back: the catalogue of 40 records stands on paper where the print grid puts
// it, page after page.
TEST(QtPrinterPageTest, TheCatalogueBreaksPagesAndNumbersThemOnPaper) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const std::string store = dir.filePath(QStringLiteral("many.zlr")).toStdString();
    writeRecords(store, std::vector<StorageRecord>(40, makeRecord(true, "figure", startGenes())));
    LogicRig rig;
    rig.state.store.storeList = {"", store};
    rig.state.store.storeCount = 1;
    QtPrinterPage page(pdf);
    const CatalogueOutcome outcome =
        printCatalogueDocument(rig.state, page, rig.platform.clock, std::int16_t{1});
    EXPECT_TRUE(outcome.printed) << outcome.printerFailure;

    const std::vector<Word> words = readWords(pdf);
    const int pages = words.empty() ? 0 : words.back().page;
    ASSERT_GE(pages, 2);
    expectAt(words, "VAVIVOR", 690, 1084);
    expectAt(words, "File:", 690, 1084 + 2 * 322);
    for (int p = 1; p <= pages; ++p) {
        expectAt(words, "Page", 47 * 115, 59 * 271, p);
        EXPECT_NE(find(words, std::to_string(p), p), nullptr) << p;
        if (p > 1) {
            expectAt(words, "Record", 690, 1084, p); // the column headings again
        }
    }
}

TEST(QtPrinterPageTest, AFileThatCannotBeWrittenIsAFailureAndTheNextDocumentStartsAfresh) {
    QtPrinterPage page(QStringLiteral("/nonexistent-folder/for/sure/page.pdf"));
    page.printText("VAVIVOR", true);
    EXPECT_FALSE(page.endDoc());
    EXPECT_NE(page.failure().find("/nonexistent-folder/for/sure/page.pdf"), std::string::npos);
    EXPECT_EQ(page.pageNumber(), 1);
    EXPECT_EQ(page.currentY(), 0);
}

// Without a printer each document is a new PDF file in the folder. A document that the disk
// takes only in part fails with the system's reason and leaves no file, whole or in part.
TEST(QtPrinterPageTest, WithoutAPrinterEachDocumentIsANewPdfWrittenWholeOrNotAtAll) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed";
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Vavivor"));
    const auto files = [&folder] {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    };
    QtPrinterPage page(PdfFolder{folder});
    for (int i = 0; i < 2; ++i) {
        page.printText("VAVIVOR", true);
        ASSERT_TRUE(page.endDoc()) << page.failure();
    }
    ASSERT_EQ(files().size(), 2);
    EXPECT_TRUE(files().at(1).startsWith(QStringLiteral("vavivor-")))
        << files().join(' ').toStdString();

    QDir(folder).removeRecursively();
    const std::string failure = underFileSizeLimit(2000, [&page] {
        page.printText("VAVIVOR", true);
        return page.endDoc() ? std::string("printed") : page.failure();
    });
    EXPECT_NE(failure.find(folder.toStdString()), std::string::npos) << failure;
    EXPECT_NE(failure.find(": File too large"), std::string::npos) << failure;
    EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

} // namespace
} // namespace vavivor
