#include "breeding/draw_mutations.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/listed_stores.h"
#include "cli/screen_output.h"
#include "core/random_source.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
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

// Runs a command line whose words are separated by blanks, as main does.
Result run(const std::string& line) {
    const ParseResult parsed =
        parseCommandLine(QString::fromStdString(line).split(' ', Qt::SkipEmptyParts));
    if (!parsed.options) {
        return {kExitUsage, "", parsed.error + "\n"};
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = findCommand(parsed.options->command)->run(*parsed.options, out, err);
    return {status, out.str(), err.str()};
}

const std::string kFives = " --genes=5,5,5,5,5,5,5,5";

// The lines of --format genes: "CELL LABEL<TAB>P1 P2 ... P8".
struct GenesLine {
    int cell = -1;
    std::string label;
    GeneSet genes{};
};

std::vector<GenesLine> genesLines(const std::string& text) {
    std::vector<GenesLine> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto blank = line.find(' ');
        const auto tab = line.find('\t');
        EXPECT_TRUE(blank < tab && tab != std::string::npos) << line;
        GenesLine& parsed = lines.emplace_back(
            GenesLine{std::stoi(line.substr(0, blank)), line.substr(blank + 1, tab - blank - 1)});
        std::istringstream numbers(line.substr(tab + 1));
        for (auto& p : parsed.genes) {
            numbers >> p;
        }
        EXPECT_TRUE(numbers.eof()) << line;
    }
    return lines;
}

// One figure of --format segments: its header and the box around its segments.
struct SegmentBlock {
    std::string header;
    int segments = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
};

std::vector<SegmentBlock> segmentBlocks(const std::string& text) {
    std::vector<SegmentBlock> blocks;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("# ", 0) == 0) {
            blocks.push_back({line.substr(2)});
            continue;
        }
        if (blocks.empty()) {
            blocks.emplace_back(); // render writes no header
        }
        double x1, y1, x2, y2;
        char rest = 0;
        EXPECT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf %lf%c", &x1, &y1, &x2, &y2, &rest), 4);
        EXPECT_EQ(line.substr(line.find('.') + 5, 1), " ") << "four decimals: " << line;
        SegmentBlock& b = blocks.back();
        ++b.segments;
        b.minX = std::min({b.minX, x1, x2});
        b.maxX = std::max({b.maxX, x1, x2});
        b.minY = std::min({b.minY, y1, y2});
        b.maxY = std::max({b.maxY, y1, y2});
    }
    return blocks;
}

TEST(CliParseTest, HelpAndTheUsageOfEveryCommand) {
    EXPECT_TRUE(parseCommandLine({"render", "--help"}).help);
    const std::string usage = usageText();
    for (const Command& command : commands()) {
        EXPECT_NE(usage.find("vavivor-cli " + command.name), std::string::npos) << command.name;
    }
}

// ---------------------------------------------------------------- render and the screens

TEST(CliRenderTest, SegmentsPngAndSvgOfTheStartFigure) {
    const auto blocks = segmentBlocks(run("render" + kFives).out);
    ASSERT_EQ(blocks.size(), 1U);
    EXPECT_EQ(blocks[0].segments, 127);
    EXPECT_NEAR((blocks[0].maxX + blocks[0].minX) / 2, 100.0, 1e-3) << "the top left cell";
    EXPECT_NEAR((blocks[0].maxY + blocks[0].minY) / 2, 900.0, 1e-3);

    QTemporaryDir dir;
    const std::string png = dir.filePath("f.png").toStdString();
    ASSERT_EQ(run("render" + kFives + " --layout full --format png -o " + png).status, kExitOk);
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(1000, 1000));
    EXPECT_EQ(image.pixelColor(5, 995), QColor(Qt::white));
    EXPECT_LT(image.pixelColor(500, 900).lightness(), 128) << "the trunk stands at the centre";
    ASSERT_EQ(run("render" + kFives + " --format png --size 64 -o " + png).status, kExitOk);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(64, 64));
    const std::string svg = dir.filePath("f.svg").toStdString();
    ASSERT_EQ(run("render" + kFives + " --format svg -o " + svg).status, kExitOk);
    EXPECT_TRUE(fileBytes(svg).contains("Orig."));
}

TEST(BreedingCliTest, MutationsWriteTheChainTheWindowWouldDrawWithThatSeed) {
    const Result r = run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2024");
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto lines = genesLines(r.out);
    ASSERT_EQ(lines.size(), 25U);
    EXPECT_EQ(lines[0].label, "Orig.");
    LogicRig rig;
    TwisterRandom random;
    random.useSeed(2024);
    Services services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs,
                                       rig.platform.printer, rig.platform.help, random,
                                       rig.platform.clock},
                      rig.controls};
    rig.setEditor(GeneSet{3, 4, 5, 6, 7, 8, 9, 1});
    cmdZELMdraw_Click(rig.state, services);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(lines[k].cell, k);
        EXPECT_EQ(lines[k].genes, rig.state.genome.cellPos[k]) << "cell " << k;
    }
    EXPECT_NE(run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2025").out, r.out);
}

TEST(BreedingCliTest, RelativesInTheirCellsAndTheFullLayoutNamesTheSameFigures) {
    const Result r = run("relatives --genes 9,5,5,5,5,5,5,1");
    EXPECT_EQ(run("relatives --genes 9,5,5,5,5,5,5,1 --layout full").out, r.out);
    const auto lines = genesLines(r.out);
    ASSERT_EQ(lines.size(), 17U);
    const int cells[] = {12, 0, 24, 1, 23, 2, 22, 3, 21, 4, 20, 9, 15, 14, 10, 19, 5};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].cell, cells[i]) << lines[i].label;
    }
    EXPECT_EQ(lines[1].label, "G1 +1");
    EXPECT_EQ(lines[1].genes, (GeneSet{9, 5, 5, 5, 5, 5, 5, 1})) << "clamped at 9";
    EXPECT_EQ(lines[2].genes, (GeneSet{8, 5, 5, 5, 5, 5, 5, 1}));
    EXPECT_EQ(lines[16].label, "G8 -1");

    const auto blocks =
        segmentBlocks(run("relatives --genes 1,5,5,5,5,5,5,5 --format segments").out);
    ASSERT_EQ(blocks.size(), 17U);
    EXPECT_EQ(blocks[3].header, "1 G2 +1");
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].segments, i == 1 ? 15 : 7) << "depth 3, or 4 for G1 +1";
        const int cell = std::stoi(blocks[i].header);
        EXPECT_NEAR((blocks[i].minX + blocks[i].maxX) / 2, 200 * (cell % 5) + 100, 1e-3);
        EXPECT_NEAR((blocks[i].minY + blocks[i].maxY) / 2, 900 - 200 * (cell / 5), 1e-3);
    }
    for (const auto& b :
         segmentBlocks(run("mutations --seed 1 --layout full --format segments" + kFives).out)) {
        EXPECT_NEAR((b.minY + b.maxY) / 2, 500.0, 1e-3) << b.header;
        EXPECT_NEAR(std::max(b.maxX - b.minX, b.maxY - b.minY), 900.0, 1e-2) << b.header;
    }
}

TEST(BreedingCliTest, OneNumberedFileForEachFullScreenFigure) {
    QTemporaryDir dir;
    const std::string full = dir.filePath("fig.svg").toStdString();
    ASSERT_EQ(run("relatives --layout full --format svg -o " + full + kFives).status, kExitOk);
    const QStringList files = QDir(dir.path()).entryList({"fig*"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 17);
    EXPECT_EQ(files.last(), "fig-17.svg");
    const QByteArray second = fileBytes(dir.filePath("fig-02.svg").toStdString());
    EXPECT_TRUE(second.contains("G1 +1"));
    EXPECT_FALSE(second.contains("Orig.")) << "one figure per file";
    EXPECT_EQ(numberedPath("fig.tar.svg", 17), "fig.tar-17.svg");
    EXPECT_EQ(numberedPath("out.d/fig", 2), "out.d/fig-02");
    EXPECT_EQ(numberedPath(".hidden", 3), ".hidden-03");
}

// ---------------------------------------------------------------- storage files and failures

// A storage file with a single figure, a deleted record, a sequence, a damaged record and part
// of a record; the folder and the file must look the same after every command.
class StorageCliTest : public ::testing::Test {
protected:
    StorageCliTest() {
        StorageRecord damaged = makeRecord(false, "broken", startGenes());
        damaged.cell(0, 3) = std::numeric_limits<float>::quiet_NaN();
        writeRecords(store(), {makeRecord(false, "single", GeneSet{2, 3, 4, 5, 6, 7, 8, 9}),
                               makeRecord(true, "gone", startGenes(), true),
                               makeRecord(true, "chain", startGenes()), damaged});
        m_before = fileBytes(store()) + QByteArray(700, '\0');
        writeBytes(store(), m_before);
    }
    ~StorageCliTest() override {
        EXPECT_EQ(fileBytes(store()), m_before) << "the file is not changed";
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"s.zlr"});
    }

    std::string store() const { return m_dir.filePath("s.zlr").toStdString(); }
    // The command line with %1 standing for the storage file.
    std::string cli(const std::string& args) const {
        return QString::fromStdString(args)
            .replace("%1", QString::fromStdString(store()))
            .toStdString();
    }

    QTemporaryDir m_dir;
    QByteArray m_before;
};

// The catalogue lines of the catalogue window, then a note of the part record; export shows
// the relatives of a figure and reviews a sequence.
TEST_F(StorageCliTest, CatalogueAndExportReadTheRecordsAsTheWindowsDo) {
    const Result r = run(cli("catalogue %1"));
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("700 bytes that make no whole record"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "  1R\tsingle" + std::string(14, ' ') + "\t2  3  4  5  6  7  8  9  \n" +
                         "  3M\tchain" + std::string(15, ' ') + "\t5  5  5  5  5  5  5  5  \n" +
                         "  4R\tbroken" + std::string(14, ' ') + "\t5  5  5  ?  5  5  5  5  \n");
    EXPECT_EQ(run(cli("export %1 1")).out, run("relatives --genes 2,3,4,5,6,7,8,9").out);
    const StorageRecord chain = makeRecord(true, "chain", startGenes());
    const auto lines = genesLines(run(cli("export %1 3 --layout full")).out);
    ASSERT_EQ(lines.size(), 25U);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(lines[k].cell, k);
        EXPECT_EQ(lines[k].label, k == 0 ? "Orig." : "V " + std::to_string(k));
        EXPECT_EQ(lines[k].genes, *figureGenes(chain, k));
    }
}

struct FailureCase {
    std::string args; // %1: the storage file; OUT: a file in an empty folder
    int status;
    std::string says;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.args;
}

class CliFailureTest : public StorageCliTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailureTest, OneLineOnStandardErrorAndNothingWritten) {
    const FailureCase& c = GetParam();
    QTemporaryDir out;
    std::string line = cli(c.args);
    if (line.find("OUT") != std::string::npos) {
        line.replace(line.find("OUT"), 3, out.filePath("x.svg").toStdString());
    }
    const Result r = run(line);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line";
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

const FailureCase kUsage[] = {
    {"", kExitUsage, ""},
    {"paint" + kFives, kExitUsage, "paint"},
    {"render --genes 5,5,5,5,5,5,5,0", kExitUsage, ""},
    {"render --genes 5,5,5,5,5,5,5", kExitUsage, ""},
    {"render --layout wide" + kFives, kExitUsage, "wide"},
    {"render --format jpeg" + kFives, kExitUsage, "jpeg"},
    {"render --colour red" + kFives, kExitUsage, "colour"},
    {"render --format png" + kFives, kExitUsage, ""},
    {"render --seed 3" + kFives, kExitUsage, "seed"},
    {"render --size 100" + kFives, kExitUsage, "size"},
    {"render extra" + kFives, kExitUsage, "usage"},
    {"render" + kFives + kFives, kExitUsage, ""},
    {"mutations" + kFives, kExitUsage, "seed"},
    {"mutations --seed 3", kExitUsage, "genes"},
    {"mutations --seed -1" + kFives, kExitUsage, "seed"},
    {"relatives --format svg" + kFives, kExitUsage, ""},
    {"relatives --all" + kFives, kExitUsage, "all"},
    {"print-catalogue %1", kExitUsage, ""},
    {"print-catalogue -o OUT", kExitUsage, ""},
    {"print-catalogue --all %1 -o OUT", kExitUsage, ""},
    {"export %1 0", kExitUsage, "RECORD"},
    {"export %1 32768", kExitUsage, "RECORD"},
    {"export %1 x", kExitUsage, "RECORD"},
    {"export %1", kExitUsage, "usage"},
    {"catalogue %1 --format genes", kExitUsage, "does not take"},
};

const FailureCase kFailure[] = {
    {"catalogue %1.none", kExitFailure, "does not exist"},
    {"export %1.none 1 -o OUT --format svg", kExitFailure, "does not exist"},
    {"export %1 5 -o OUT --format svg", kExitFailure, "holds no record 5"},
    {"export %1 2 -o OUT --format svg", kExitFailure, "deleted"},
    {"export %1 4 -o OUT --format svg", kExitFailure, "damaged"},
    {"catalogue C:\\Vavivor\\x.zlr", kExitFailure, "Windows path"},
    {"print-catalogue %1 %1.none -o OUT", kExitFailure, ".none"},
    {"render -o /nonexistent/x.txt" + kFives, kExitFailure, "/nonexistent/x.txt"},
    {"render --format png -o /nonexistent/x.png" + kFives, kExitFailure, "/nonexistent/x.png"},
    {"relatives --layout full --format png -o /nonexistent/f.png" + kFives, kExitFailure,
     "/nonexistent/f-01.png"},
    {"mutations --seed 1 -o /nonexistent/g.txt" + kFives, kExitFailure, "/nonexistent/g.txt"},
};

INSTANTIATE_TEST_SUITE_P(Usage, CliFailureTest, ::testing::ValuesIn(kUsage));
INSTANTIATE_TEST_SUITE_P(Files, CliFailureTest, ::testing::ValuesIn(kFailure));

TEST(PrintCatalogueCliTest, PrintsTheGivenFilesIntoOnePdf) {
    QTemporaryDir dir;
    const std::string a = dir.filePath("a.zlr").toStdString();
    const std::string b = dir.filePath("b.zlr").toStdString();
    writeRecords(a, {makeRecord(false, "figure 2", startGenes())});
    writeRecords(b, {makeRecord(true, "chain", startGenes())});
    const std::string pdf = dir.filePath("cat.pdf").toStdString();
    const Result r = run("print-catalogue " + a + " " + b + " -o " + pdf);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const std::string printed = QString::fromUtf8(text.readAllStandardOutput())
                                    .simplified() // the layout spreads a line's items apart
                                    .toStdString();
    for (const std::string& expected : std::vector<std::string>{
             "VAVIVOR CATALOGUE", "File: " + a, "File: " + b, "figure 2, (a single Zeloid)",
             "Genes of first Zeloid: 5 5 5 5 5 5 5 5", "Page 1"}) {
        EXPECT_NE(printed.find(expected), std::string::npos) << expected << "\n" << printed;
    }
}

TEST(PrintCatalogueCliTest, TheStorageListNamesTheDefaultFileInTheProgramFolder) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("str-data.txt").toStdString(),
               "  2             2 \r\n\"\\def-store.zld\"\r\n\"/data/figures.zlr\"\r\n");
    std::string error;
    const auto files = listedStoreFiles(dir.path().toStdString(), &error);
    ASSERT_TRUE(files) << error;
    EXPECT_EQ(*files, (std::vector<std::string>{dir.filePath("def-store.zld").toStdString(),
                                                "/data/figures.zlr"}));
    EXPECT_FALSE(listedStoreFiles(dir.filePath("nowhere").toStdString(), &error));
    EXPECT_NE(error.find("str-data.txt"), std::string::npos);
}

} // namespace
} // namespace vavivor::cli
