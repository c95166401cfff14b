#include "breeding/draw_mutations.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/screen_output.h"
#include "core/random_source.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vavivor::cli {
namespace {

ParseResult parse(const QString& line) {
    return parseCommandLine(line.split(' ', Qt::SkipEmptyParts));
}

int run(const QString& line, std::string* out, std::string* err = nullptr) {
    const ParseResult r = parse(line);
    EXPECT_TRUE(r.options) << r.error;
    if (!r.options) {
        return -1;
    }
    std::ostringstream o;
    std::ostringstream e;
    const int status = findCommand(r.options->command)->run(*r.options, o, e);
    *out = o.str();
    if (err != nullptr) {
        *err = e.str();
    }
    return status;
}

struct GenesLine {
    int cell = -1;
    std::string label;
    GeneSet genes{};
};

// Lines of --format genes: "CELL LABEL<TAB>P1 P2 ... P8".
std::vector<GenesLine> genesLines(const std::string& text) {
    std::vector<GenesLine> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        GenesLine parsed;
        const auto blank = line.find(' ');
        const auto tab = line.find('\t');
        EXPECT_NE(blank, std::string::npos) << line;
        EXPECT_NE(tab, std::string::npos) << line;
        if (blank == std::string::npos || tab == std::string::npos) {
            continue;
        }
        parsed.cell = std::stoi(line.substr(0, blank));
        parsed.label = line.substr(blank + 1, tab - blank - 1);
        const std::string positions = line.substr(tab + 1);
        std::istringstream numbers(positions);
        for (auto& p : parsed.genes) {
            numbers >> p;
        }
        std::string rest;
        EXPECT_FALSE(numbers >> rest) << line;
        EXPECT_EQ(positions.find("  "), std::string::npos) << line;
        lines.push_back(parsed);
    }
    return lines;
}

TEST(BreedingCliParseTest, OptionsOfMutationsAndRelatives) {
    const ParseResult m = parse("mutations --genes 1,2,3,4,5,6,7,8 --seed 17");
    ASSERT_TRUE(m.options) << m.error;
    EXPECT_EQ(m.options->format, "genes");
    EXPECT_EQ(m.options->seed, 17U);
    EXPECT_EQ(m.options->layout, Layout::Cell);
    const ParseResult r = parse("relatives --genes 1,2,3,4,5,6,7,8 --layout full --format png "
                                "--size 64 -o x.png");
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->size, 64);

    for (const char* bad : {"mutations --genes 5,5,5,5,5,5,5,5", "mutations --seed 3",
                            "mutations --genes 5,5,5,5,5,5,5,5 --seed -1",
                            "mutations --genes 5,5,5,5,5,5,5,5 --seed x",
                            "relatives --genes 5,5,5,5,5,5,5,5 --seed 3",
                            "relatives --genes 5,5,5,5,5,5,5,5 --format svg",
                            "relatives --genes 5,5,5,5,5,5,5,5 --format bmp -o x.bmp",
                            "relatives --genes 5,5,5,5,5,5,5,5 --size 64",
                            "relatives --genes 5,5,5,5,5,5,5,5 --all", "relatives"}) {
        const ParseResult p = parse(bad);
        EXPECT_FALSE(p.options) << bad;
        EXPECT_FALSE(p.error.empty()) << bad;
    }
}

TEST(BreedingCliTest, MutationsWriteTheChainTheWindowWouldDrawWithThatSeed) {
    std::string out;
    ASSERT_EQ(run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2024", &out), kExitOk);
    const auto lines = genesLines(out);
    ASSERT_EQ(lines.size(), 25U);
    EXPECT_EQ(lines[0].label, "Orig.");
    EXPECT_EQ(lines[0].genes, (GeneSet{3, 4, 5, 6, 7, 8, 9, 1}));

    LogicRig rig;
    TwisterRandom random;
    random.useSeed(2024);
    Services services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs,
                                       rig.platform.printer, rig.platform.help, random,
                                       rig.platform.clock},
                      rig.controls};
    for (int g = 0; g < kGeneCount; ++g) {
        rig.controls.setGeneCaption(g, std::to_string(lines[0].genes[g]));
    }
    cmdZELMdraw_Click(rig.state, services);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(lines[k].cell, k);
        EXPECT_EQ(lines[k].genes, rig.state.genome.cellPos[k]) << "cell " << k;
        if (k > 0) {
            EXPECT_EQ(lines[k].label.substr(0, 1), "G") << lines[k].label;
        }
    }

    std::string again;
    ASSERT_EQ(run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2024", &again), kExitOk);
    EXPECT_EQ(again, out);
    std::string other;
    ASSERT_EQ(run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2025", &other), kExitOk);
    EXPECT_NE(other, out);
}

struct ScreenCase {
    const char* command;
    std::vector<int> cells; // in drawing order
};

// Readable test names.
void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.command;
}

class ScreenLayoutTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenLayoutTest, FullLayoutNamesTheSameFiguresAsTheGrid) {
    const QString command = QString(GetParam().command) + " --genes 5,1,9,5,5,5,5,5";
    std::string cell;
    std::string full;
    ASSERT_EQ(run(command, &cell), kExitOk);
    ASSERT_EQ(run(command + " --layout full", &full), kExitOk);
    EXPECT_EQ(full, cell);
    const auto lines = genesLines(cell);
    ASSERT_EQ(lines.size(), GetParam().cells.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].cell, GetParam().cells[i]) << lines[i].label;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ScreenLayoutTest,
    ::testing::Values(
        ScreenCase{"mutations --seed 5", {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                          13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        ScreenCase{"relatives", {12, 0, 24, 1, 23, 2, 22, 3, 21, 4, 20, 9, 15, 14, 10, 19, 5}}));

TEST(BreedingCliTest, RelativesLabelsAndGenes) {
    std::string out;
    ASSERT_EQ(run("relatives --genes 9,5,5,5,5,5,5,1", &out), kExitOk);
    const auto lines = genesLines(out);
    ASSERT_EQ(lines.size(), 17U);
    EXPECT_EQ(lines[0].label, "Orig.");
    EXPECT_EQ(lines[1].label, "G1 +1");
    EXPECT_EQ(lines[1].genes, (GeneSet{9, 5, 5, 5, 5, 5, 5, 1})) << "clamped at 9";
    EXPECT_EQ(lines[2].label, "G1 -1");
    EXPECT_EQ(lines[2].genes, (GeneSet{8, 5, 5, 5, 5, 5, 5, 1}));
    EXPECT_EQ(lines[16].label, "G8 -1");
    EXPECT_EQ(lines[16].genes, (GeneSet{9, 5, 5, 5, 5, 5, 5, 1}));
}

// Figures of --format segments: header and segment lines.
struct SegmentBlock {
    std::string header;
    int segments = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
};

std::vector<SegmentBlock> segmentBlocks(const std::string& text) {
    std::vector<SegmentBlock> blocks;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0) {
            blocks.push_back({line.substr(2)});
            continue;
        }
        EXPECT_FALSE(blocks.empty()) << "segments before the first header";
        if (blocks.empty()) {
            continue;
        }
        double x1, y1, x2, y2;
        EXPECT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf %lf", &x1, &y1, &x2, &y2), 4) << line;
        SegmentBlock& b = blocks.back();
        ++b.segments;
        b.minX = std::min({b.minX, x1, x2});
        b.maxX = std::max({b.maxX, x1, x2});
        b.minY = std::min({b.minY, y1, y2});
        b.maxY = std::max({b.maxY, y1, y2});
    }
    return blocks;
}

TEST(BreedingCliTest, SegmentsStandWhereTheScreenDrawsThem) {
    std::string out;
    ASSERT_EQ(run("relatives --genes 1,5,5,5,5,5,5,5 --format segments", &out), kExitOk);
    auto blocks = segmentBlocks(out);
    ASSERT_EQ(blocks.size(), 17U);
    EXPECT_EQ(blocks[0].header, "12 Orig.");
    EXPECT_EQ(blocks[3].header, "1 G2 +1");
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        // Depth 3, or 4 for gene 1's +1 relative.
        EXPECT_EQ(blocks[i].segments, i == 1 ? 15 : 7) << blocks[i].header;
        const int cell = std::stoi(blocks[i].header);
        EXPECT_NEAR((blocks[i].minX + blocks[i].maxX) / 2, 200 * (cell % 5) + 100, 1e-3);
        EXPECT_NEAR((blocks[i].minY + blocks[i].maxY) / 2, 900 - 200 * (cell / 5), 1e-3);
        EXPECT_LE(std::max(blocks[i].maxX - blocks[i].minX, blocks[i].maxY - blocks[i].minY),
                  180.001);
    }

    ASSERT_EQ(
        run("mutations --genes 1,5,5,5,5,5,5,5 --seed 1 --layout full --format segments", &out),
        kExitOk);
    blocks = segmentBlocks(out);
    ASSERT_EQ(blocks.size(), 25U);
    EXPECT_EQ(blocks[24].header.substr(0, 4), "24 G");
    for (const auto& b : blocks) {
        EXPECT_NEAR((b.minY + b.maxY) / 2, 500.0, 1e-3) << b.header;
        EXPECT_NEAR(std::max(b.maxX - b.minX, b.maxY - b.minY), 900.0, 1e-2) << b.header;
    }
}

TEST(BreedingCliTest, PicturesOneForTheGridOneForEachFullScreenFigure) {
    QTemporaryDir dir;
    std::string out;
    const QString grid = dir.filePath("grid.png");
    ASSERT_EQ(
        run("mutations --genes 5,5,5,5,5,5,5,5 --seed 3 --format png --size 200 -o " + grid, &out),
        kExitOk);
    const QImage image(grid);
    ASSERT_EQ(image.size(), QSize(200, 200));
    int darkest = 255;
    for (int x = 38; x <= 41; ++x) {
        darkest = std::min(darkest, image.pixelColor(x, 100).lightness());
    }
    EXPECT_LT(darkest, 220) << "a vertical grid line at x = 200";

    const QString full = dir.filePath("fig.svg");
    ASSERT_EQ(run("relatives --genes 5,5,5,5,5,5,5,5 --layout full --format svg -o " + full, &out),
              kExitOk);
    const QStringList files = QDir(dir.path()).entryList({"fig*"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 17);
    EXPECT_EQ(files.first(), "fig-01.svg");
    EXPECT_EQ(files.last(), "fig-17.svg");
    QFile second(dir.filePath("fig-02.svg"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const QByteArray text = second.readAll();
    EXPECT_TRUE(text.contains("G1 +1"));
    EXPECT_FALSE(text.contains("Orig.")) << "one figure per file";
}

TEST(BreedingCliTest, NumberedPathsAndUnwritableOutput) {
    EXPECT_EQ(numberedPath("out/fig.png", 1), "out/fig-01.png");
    EXPECT_EQ(numberedPath("fig.tar.svg", 17), "fig.tar-17.svg");
    EXPECT_EQ(numberedPath("fig", 25), "fig-25");
    EXPECT_EQ(numberedPath("out.d/fig", 2), "out.d/fig-02");
    EXPECT_EQ(numberedPath(".hidden", 3), ".hidden-03");

    std::string out;
    std::string err;
    EXPECT_EQ(run("relatives --genes 5,5,5,5,5,5,5,5 --layout full --format png -o "
                  "/nonexistent/dir/f.png",
                  &out, &err),
              kExitFailure);
    EXPECT_NE(err.find("/nonexistent/dir/f-01.png"), std::string::npos) << err;
    EXPECT_EQ(run("mutations --genes 5,5,5,5,5,5,5,5 --seed 1 -o /nonexistent/g.txt", &out, &err),
              kExitFailure);
    EXPECT_NE(err.find("/nonexistent/g.txt"), std::string::npos) << err;
}

} // namespace
} // namespace vavivor::cli
