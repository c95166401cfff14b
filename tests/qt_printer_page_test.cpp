#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "platform/qt_printer_page.h"
#include "platform/system_clock.h"
#include "printing/catalogue_print.h"
#include "printing/graphics_print.h"
#include "storage_fakes.h"
#include "support/file_limit.h"
#include "support/logic_rig.h"
#include "support/pdf_text.h"

#include <QDir>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

// The right edge of the print grid's page, which stands centred on A4, in points.
constexpr double kRightEdge = (595.2756 + 11512 / 20.0) / 2;

struct Word {
    std::string text;
    double right = 0; // points from the left of the paper
};

// The words of a PDF with their right edges, as pdftotext reads them back.
std::vector<Word> readWords(const QString& pdf) {
    static const QRegularExpression tag(
        QStringLiteral(R"re(<word [^>]*xMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<Word> words;
    for (const auto& m : tag.globalMatch(pdfToolOutput("pdftotext", {"-bbox", pdf, "-"}))) {
        words.push_back({m.captured(2).toStdString(), m.captured(1).toDouble()});
    }
    return words;
}

// The number of pages of a PDF as pdfinfo reads it; -1 when it is not a whole PDF.
int pdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    const auto m = pages.match(pdfToolOutput(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The rig's services with `page` in place of the recording printer.
Services onPage(LogicRig& rig, PrinterPage& page, Clock& clock) {
    return Services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs, page,
                                     rig.platform.help, rig.platform.random, clock},
                    rig.controls};
}

TEST(QtPrinterPageTest, AFileThatCannotBeWrittenIsAFailureAndTheNextDocumentStartsAfresh) {
    QtPrinterPage page(QStringLiteral("/nonexistent-folder/for/sure/page.pdf"));
    page.printText("VAVIVOR", true);
    EXPECT_FALSE(page.endDoc());
    EXPECT_NE(page.failure().find("/nonexistent-folder/for/sure/page.pdf"), std::string::npos);
    EXPECT_EQ(page.pageNumber(), 1);
    EXPECT_EQ(page.currentY(), 0);
}

// Without a printer a document that the disk takes only in part fails with the system's reason
// and leaves no file, whole or in part.
TEST(QtPrinterPageTest, WithoutAPrinterADocumentIsWrittenWholeOrNotAtAll) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed";
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Vavivor"));
    const auto files = [&folder] {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    };
    QtPrinterPage page(PdfFolder{folder});
    const std::string failure = underFileSizeLimit(2000, [&page] {
        page.printText("VAVIVOR", true);
        return page.endDoc() ? std::string("printed") : page.failure();
    });
    EXPECT_NE(failure.find(folder.toStdString()), std::string::npos) << failure;
    EXPECT_NE(failure.find(": File too large"), std::string::npos) << failure;
    EXPECT_TRUE(files().isEmpty()) << files().join(' ').toStdString();
}

// An Auto-Print run without a printer is one PDF with a page per figure. Each page is written
// whole with the ones before it, so a disk that fills up in the middle of a run leaves a PDF of
// the pages printed so far.
TEST(QtPrinterPageTest, AnAutoPrintRunIsOnePdfThatHoldsEveryPagePrintedSoFar) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed";
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Vavivor"));
    const auto pageCounts = [&folder] {
        std::vector<int> counts;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
            counts.push_back(pdfPages(file.filePath()));
        }
        std::sort(counts.begin(), counts.end());
        return counts;
    };
    QtPrinterPage page(PdfFolder{folder});
    LogicRig rig;
    Services services = onPage(rig, page, rig.platform.clock);
    rig.controls.autoPrintBox = true;
    rig.state.screen.gridFlag[0] = 1;
    breedRelatives(rig.state, services);
    breedMutations(rig.state, services);
    EXPECT_EQ(pageCounts(), (std::vector<int>{17, 25}));

    QDir(folder).removeRecursively();
    const std::string message = underFileSizeLimit(60000, [&] {
        breedRelatives(rig.state, services);
        const std::vector<std::string> messages = rig.platform.dialogs.messages();
        return messages.empty() ? std::string("printed") : messages.back();
    });
    EXPECT_NE(message.find(": File too large"), std::string::npos) << message;
    const std::vector<int> counts = pageCounts();
    ASSERT_EQ(counts.size(), 1U);
    EXPECT_GT(counts[0], 0);
    EXPECT_LT(counts[0], 17);
}

// The longest date of the year in the long format of several locales, and a storage file deep
// in its folders: no word of the graphics print or the catalogue passes the printable width,
// the date is printed in some form, and the file's name stays whole.
TEST(QtPrinterPageTest, LongDatesAndPathsAreFittedIntoThePrintableWidth) {
    QTemporaryDir dir;
    QString folder = dir.path();
    for (int i = 0; i < 4; ++i) {
        folder += QStringLiteral("/a-folder-with-a-rather-long-name-%1").arg(i);
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string store = folder.toStdString() + "/figures.zlr";
    writeRecords(store, {makeRecord(true, "figure", startGenes())});
    LogicRig rig;
    rig.state.store.storeList = {"", store};
    rig.state.store.storeCount = 1;
    for (const char* name : {"en_US", "pt_BR", "de_DE", "ru_RU"}) {
        SCOPED_TRACE(name);
        const QLocale locale(QString::fromLatin1(name));
        QDate longest(2026, 1, 1);
        for (QDate day = longest; day.year() == 2026; day = day.addDays(1)) {
            if (locale.toString(day, QLocale::LongFormat).size() >
                locale.toString(longest, QLocale::LongFormat).size()) {
                longest = day;
            }
        }
        SystemClock clock(locale, longest);
        const QString graphics = dir.filePath(QStringLiteral("graphics.pdf"));
        QtPrinterPage graphicsPage(graphics);
        Services services = onPage(rig, graphicsPage, clock);
        ASSERT_TRUE(graphicsPrint(rig.state, services));
        const QString catalogue = dir.filePath(QStringLiteral("catalogue.pdf"));
        QtPrinterPage cataloguePage(catalogue);
        ASSERT_TRUE(printCatalogueDocument(rig.state, cataloguePage, clock, 1).printed);

        for (const QString& pdf : {graphics, catalogue}) {
            const std::vector<Word> words = readWords(pdf);
            for (const Word& word : words) {
                EXPECT_LE(word.right, kRightEdge + 0.5) << word.text;
            }
            EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const Word& w) {
                return w.text.find("26") != std::string::npos;
            })) << "no date";
        }
        const std::vector<Word> words = readWords(catalogue);
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const Word& w) {
            return w.text.size() > 12 && w.text.ends_with("/figures.zlr");
        }));
    }
}

} // namespace
} // namespace vavivor
