#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/listed_stores.h"
#include "storage/record_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace vavivor::cli {
namespace {

ParseResult parse(const QString& line) {
    return parseCommandLine(line.split(' ', Qt::SkipEmptyParts));
}

class PrintCatalogueCliTest : public ::testing::Test {
protected:
    std::string path(const char* name) { return dir.filePath(QLatin1String(name)).toStdString(); }

    std::string writeStore(const char* name, int records) {
        QFile file(QString::fromStdString(path(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (int r = 0; r < records; ++r) {
            StorageRecord record;
            record.description = *encodeDescription("figure " + std::to_string(r + 1));
            for (int g = 0; g < kGeneCount; ++g) {
                record.cell(0, g) = 5;
            }
            const RecordBytes bytes = encodeRecord(record);
            file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize);
        }
        return path(name);
    }

    // Runs a command line whose words are separated by blanks.
    int run(const std::string& line) {
        const ParseResult r = parse(QString::fromStdString(line));
        if (!r.options) {
            err << r.error;
            return kExitUsage;
        }
        std::ostringstream out;
        return findCommand(r.options->command)->run(*r.options, out, err);
    }

    QTemporaryDir dir;
    std::ostringstream err;
};

TEST_F(PrintCatalogueCliTest, TheCommandLineNeedsAnOutputAndEitherAllOrFiles) {
    for (const char* good : {"print-catalogue --all -o x.pdf", "print-catalogue a b c -o x.pdf"}) {
        EXPECT_TRUE(parse(QLatin1String(good)).options) << good;
    }
    EXPECT_FALSE(parse(QStringLiteral("print-catalogue a.zlr")).options);
    EXPECT_FALSE(parse(QStringLiteral("print-catalogue a.zlr -o x.pdf --seed 3")).options);
    const std::string pdf = path("x.pdf");
    for (const std::string& bad :
         {"print-catalogue -o " + pdf, "print-catalogue --all " + path("a.zlr") + " -o " + pdf}) {
        err.str({});
        EXPECT_EQ(run(bad), kExitUsage) << bad;
        const std::string said = err.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));
}

TEST_F(PrintCatalogueCliTest, PrintsTheGivenFilesIntoOnePdf) {
    const std::string a = writeStore("a.zlr", 2);
    const std::string b = writeStore("b.zlr", 1);
    const std::string pdf = path("cat.pdf");
    ASSERT_EQ(run("print-catalogue " + a + " " + b + " -o " + pdf), kExitOk) << err.str();

    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    // Blanks as one, since the layout of the text spreads the items of a line apart.
    const std::string printed =
        QString::fromUtf8(text.readAllStandardOutput())
            .replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "))
            .toStdString();
    for (const std::string& expected :
         {std::string("VAVIVOR CATALOGUE"), "File: " + a, "File: " + b,
          std::string("figure 2, (a single Zeloid)"), std::string("Genes: 5 5 5 5 5 5 5 5"),
          std::string("Page 1")}) {
        EXPECT_NE(printed.find(expected), std::string::npos) << expected << "\n" << printed;
    }
}

TEST_F(PrintCatalogueCliTest, AMissingFileWritesNothing) {
    const std::string a = writeStore("a.zlr", 1);
    const std::string missing = path("missing.zlr");
    const std::string pdf = path("cat.pdf");
    EXPECT_EQ(run("print-catalogue " + a + " " + missing + " -o " + pdf), kExitFailure);
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(missing), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));
}

TEST_F(PrintCatalogueCliTest, TheStorageListNamesTheDefaultFileInTheProgramFolder) {
    QFile list(dir.filePath(QStringLiteral("str-data.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("  2             2 \r\n\"\\def-store.zld\"\r\n\"/data/figures.zlr\"\r\n");
    list.close();
    std::string error;
    const auto files = listedStoreFiles(dir.path().toStdString(), &error);
    ASSERT_TRUE(files) << error;
    EXPECT_EQ(*files, (std::vector<std::string>{path("def-store.zld"), "/data/figures.zlr"}));

    const auto none = listedStoreFiles(path("nowhere"), &error);
    EXPECT_FALSE(none);
    EXPECT_NE(error.find("str-data.txt"), std::string::npos);
}

} // namespace
} // namespace vavivor::cli
