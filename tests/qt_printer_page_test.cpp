#include "platform/qt_printer_page.h"
#include "support/file_limit.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

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

} // namespace
} // namespace vavivor
