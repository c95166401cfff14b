#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "platform/qt_printer_page.h"
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

// The number of pages of a PDF as pdfinfo reads it; -1 when it is not a whole PDF.
int pdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    const auto m = pages.match(pdfToolOutput(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The rig's services with `page` in place of the recording printer.
Services onPage(LogicRig& rig, PrinterPage& page) {
    return Services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs, page,
                                     rig.platform.help, rig.platform.random, rig.platform.clock},
                    rig.controls};
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
    Services services = onPage(rig, page);
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

} // namespace
} // namespace vavivor
