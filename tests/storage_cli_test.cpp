#include "cli/cli_options.h"
#include "cli/commands.h"
#include "storage_fakes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace vavivor::cli {
namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

Result run(const QString& line) {
    const ParseResult parsed = parseCommandLine(line.split(' ', Qt::SkipEmptyParts));
    Result result;
    if (!parsed.options) {
        result.status = kExitUsage;
        result.err = parsed.error + "\n";
        return result;
    }
    std::ostringstream out;
    std::ostringstream err;
    result.status = findCommand(parsed.options->command)->run(*parsed.options, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string genesText(const GeneSet& genes) {
    std::string text;
    for (int g = 0; g < kGeneCount; ++g) {
        if (g > 0) {
            text += ' ';
        }
        text += std::to_string(genes[g]);
    }
    return text;
}

// A storage file with a single figure, a deleted record, a sequence and a damaged record; the
// folder and the file must look the same after every command.
class StorageCliTest : public ::testing::Test {
protected:
    StorageCliTest() {
        StorageRecord damaged = makeRecord(false, "broken", startGenes());
        damaged.cell(0, 3) = std::numeric_limits<float>::quiet_NaN();
        writeRecords(store(),
                     {makeRecord(false, "single", kSingle),
                      makeRecord(true, "gone", startGenes(), true),
                      makeRecord(true, "chain", GeneSet{5, 5, 5, 5, 5, 5, 5, 5}), damaged});
        m_before = snapshot();
    }
    ~StorageCliTest() override { EXPECT_EQ(snapshot(), m_before) << "nothing created or changed"; }

    std::string store() const { return m_dir.filePath("s.zlr").toStdString(); }
    QString file(const char* name) const { return m_dir.filePath(name); }
    // The command line with %1 standing for the storage file.
    QString cli(const std::string& args) const {
        QString line = QString::fromStdString(args);
        return line.replace(QLatin1String("%1"), QString::fromStdString(store()));
    }
    std::string snapshot() const {
        std::string text;
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files)) {
            text += name.toStdString() + " " +
                    QCryptographicHash::hash(fileBytes(m_dir.filePath(name).toStdString()),
                                             QCryptographicHash::Sha256)
                        .toHex()
                        .toStdString() +
                    "\n";
        }
        return text;
    }

    static constexpr GeneSet kSingle{2, 3, 4, 5, 6, 7, 8, 9};
    QTemporaryDir m_dir;
    std::string m_before;
};

TEST_F(StorageCliTest, CatalogueWritesTheLinesOfTheCatalogueWindow) {
    const Result r = run(cli("catalogue %1"));
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "  1R\tsingle" + std::string(14, ' ') + "\t2  3  4  5  6  7  8  9  \n" +
                         "  3M\tchain" + std::string(15, ' ') + "\t5  5  5  5  5  5  5  5  \n" +
                         "  4R\tbroken" + std::string(14, ' ') + "\t5  5  5  ?  5  5  5  5  \n");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(StorageCliTest, ExportOfASingleFigureIsTheRelativesScreen) {
    const Result exported = run(cli("export %1 1"));
    ASSERT_EQ(exported.status, kExitOk) << exported.err;
    const Result relatives = run(QString::fromStdString("relatives --genes 2,3,4,5,6,7,8,9"));
    EXPECT_EQ(exported.out, relatives.out);
    EXPECT_EQ(exported.out.substr(0, exported.out.find('\n')), "12 Orig.\t" + genesText(kSingle));
}

TEST_F(StorageCliTest, ExportOfASequenceIsTheReviewScreen) {
    for (const char* layout : {"cell", "full"}) {
        const Result r = run(cli(std::string("export %1 3 --layout ") + layout));
        ASSERT_EQ(r.status, kExitOk) << r.err;
        std::string expected = "0 Orig.\t5 5 5 5 5 5 5 5\n";
        const StorageRecord chain = makeRecord(true, "chain", GeneSet{5, 5, 5, 5, 5, 5, 5, 5});
        for (int k = 1; k < kCellCount; ++k) {
            expected += std::to_string(k) + " V " + std::to_string(k) + "\t" +
                        genesText(*figureGenes(chain, k)) + "\n";
        }
        EXPECT_EQ(r.out, expected) << layout;
    }
}

TEST_F(StorageCliTest, ExportWritesPictures) {
    QTemporaryDir out;
    const Result svg =
        run(cli("export %1 3 --format svg -o " + out.filePath("s.svg").toStdString()));
    ASSERT_EQ(svg.status, kExitOk) << svg.err;
    EXPECT_TRUE(fileBytes(out.filePath("s.svg").toStdString()).contains("<svg"));
    const Result png = run(cli("export %1 1 --layout full --format png --size 64 -o " +
                               out.filePath("f.png").toStdString()));
    ASSERT_EQ(png.status, kExitOk) << png.err;
    EXPECT_EQ(QDir(out.path()).entryList({"f-*.png"}).size(), 17);
}

struct FailureCase {
    const char* name;
    std::string args;
    int status;
    std::string says;
};

class StorageCliFailureTest : public StorageCliTest,
                              public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StorageCliFailureTest, OneLineOnStandardErrorAndNothingWritten) {
    const FailureCase& c = GetParam();
    QTemporaryDir out;
    const QString line = cli(c.args).replace("OUT", out.filePath("x.svg"));
    const Result r = run(line);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line";
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StorageCliFailureTest,
    ::testing::Values(
        FailureCase{"missing_file", "catalogue %1.none", kExitFailure, "does not exist"},
        FailureCase{"missing_file_export", "export %1.none 1 -o OUT --format svg", kExitFailure,
                    "does not exist"},
        FailureCase{"no_such_record", "export %1 5 -o OUT --format svg", kExitFailure,
                    "holds no record 5"},
        FailureCase{"deleted", "export %1 2 -o OUT --format svg", kExitFailure, "deleted"},
        FailureCase{"damaged", "export %1 4 -o OUT --format svg", kExitFailure, "damaged"},
        FailureCase{"windows_path", "catalogue C:\\Vavivor\\x.zlr", kExitFailure, "Windows path"},
        FailureCase{"record_zero", "export %1 0", kExitUsage, "RECORD"},
        FailureCase{"record_beyond_16_bit", "export %1 32768", kExitUsage, "RECORD"},
        FailureCase{"record_not_a_number", "export %1 x", kExitUsage, "RECORD"},
        FailureCase{"no_record", "export %1", kExitUsage, "usage"},
        FailureCase{"catalogue_takes_no_format", "catalogue %1 --format genes", kExitUsage,
                    "does not take"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StorageCliTailTest, APartRecordAtTheEndIsReportedAfterTheWholeRecords) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("t.zlr").toStdString();
    writeBytes(path, recordBytes(makeRecord(false, "whole", startGenes())) + QByteArray(700, '\0'));
    const Result r = run(QString::fromStdString("catalogue " + path));
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out.substr(0, 10), "  1R\twhole");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    EXPECT_NE(r.err.find("700 bytes that make no whole record"), std::string::npos) << r.err;
    EXPECT_EQ(fileBytes(path).size(), 960 + 700);
}

} // namespace
} // namespace vavivor::cli
