#include "breeding/draw_mutations.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/listed_stores.h"
#include "cli/output_files.h"
#include "cli/picture_output.h"
#include "cli/screen_output.h"
#include "core/history.h"
#include "core/random_source.h"
#include "core/screen.h"
#include "storage/run_file.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"
#include "support/pdf_text.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <unistd.h>

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

// Runs a built program as a process, standard output into `outputFile` when one is named (by
// `mode`), without XDG_RUNTIME_DIR, which Qt would warn about.
Result runProcess(const QString& program, const QStringList& arguments,
                  const QString& outputFile = {},
                  QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Truncate) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile, mode);
    }
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

long lineCount(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

const std::string kFives = " --genes=5,5,5,5,5,5,5,5";

// The cells and genes of --format genes, whose lines are "CELL LABEL<TAB>P1 P2 ... P8".
std::vector<std::pair<int, GeneSet>> genesLines(const std::string& text) {
    std::vector<std::pair<int, GeneSet>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        GeneSet genes{};
        std::istringstream numbers(line.substr(line.find('\t') + 1));
        for (auto& p : genes) {
            numbers >> p;
        }
        lines.emplace_back(std::stoi(line), genes);
    }
    return lines;
}

// ---------------------------------------------------------------- render and the screens

TEST(CliRenderTest, SegmentsOfTheStartFigure) {
    // --format segments: "x1 y1 x2 y2", four decimals; the trunk comes first.
    const std::string segments = run("render" + kFives).out;
    EXPECT_EQ(std::count(segments.begin(), segments.end(), '\n'), 127);
    EXPECT_EQ(segments.substr(0, segments.find('\n')), "100.0000 810.0000 100.0000 990.0000")
        << "the top left cell";
}

TEST(BreedingCliTest, MutationsWriteTheChainTheWindowWouldDrawWithThatSeed) {
    const Result r = run("mutations --genes 3,4,5,6,7,8,9,1 --seed 2024");
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto lines = genesLines(r.out);
    ASSERT_EQ(lines.size(), 25U);
    LogicRig rig;
    TwisterRandom random;
    random.useSeed(2024);
    Services services{PlatformServices{rig.platform.dialogs, rig.platform.printDialogs,
                                       rig.platform.printer, rig.platform.help, random,
                                       rig.platform.clock},
                      rig.controls};
    rig.setEditor(GeneSet{3, 4, 5, 6, 7, 8, 9, 1});
    breedMutations(rig.state, services);
    for (int k = 0; k < kCellCount; ++k) {
        EXPECT_EQ(lines[k], std::pair(k, rig.state.genome.cellPos[k]));
    }
    // The window's picture is the one the command draws.
    std::ostringstream window;
    std::ostringstream command;
    writeSegments(rig.picture().picture(), window);
    writeSegments(drawScreen(rig.state.history.entry(0).screen, Layout::Cell).pictures.at(0),
                  command);
    EXPECT_EQ(window.str(), command.str());
}

// Every figure of a grid screen stands in its own cell (rows from the top) with its label.
TEST(BreedingCliTest, EachFigureIsDrawnInsideItsCell) {
    const Screen screen = relativesScreen(GeneSet{1, 3, 5, 5, 6, 5, 5, 9});
    const ScreenPictures drawn = drawScreen(screen, Layout::Cell);
    ASSERT_EQ(drawn.figures.size(), screen.figures.size());
    const Picture& picture = drawn.pictures.at(0);
    for (std::size_t i = 0; i < screen.figures.size(); ++i) {
        const ScreenFigure& figure = screen.figures[i];
        const double left = 200.0 * (figure.cell % 5);
        const double bottom = 800.0 - 200.0 * (figure.cell / 5);
        std::string texts;
        for (std::size_t j = drawn.figures[i].first; j < drawn.figures[i].end; ++j) {
            const PictureItem& item = picture.items().at(j);
            if (item.kind == PictureItem::Kind::Text) {
                texts += picture.texts()[item.text];
                continue;
            }
            EXPECT_TRUE(
                std::min(item.x1, item.x2) > left && std::max(item.x1, item.x2) < left + 200 &&
                std::min(item.y1, item.y2) > bottom && std::max(item.y1, item.y2) < bottom + 200)
                << figure.label;
        }
        EXPECT_EQ(texts, figure.label);
    }
}

// ---------------------------------------------------------------- storage files and failures

// A storage file with a single figure, a deleted record, a sequence, a damaged record and part
// of a record; the folder and the file must look the same after every command.
class StorageCliTest : public ::testing::Test {
protected:
    StorageCliTest() {
        StorageRecord damaged = makeRecord(false, "broken");
        damaged.cell(0, 3) = std::numeric_limits<float>::quiet_NaN();
        writeRecords(store(), {makeRecord(false, "single", GeneSet{2, 3, 4, 5, 6, 7, 8, 9}),
                               deletedElsewhere(makeRecord(true, "gone")),
                               makeRecord(true, "chain"), damaged});
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
    const std::string chain = run(cli("export %1 3 --layout full")).out;
    const auto lines = genesLines(chain);
    ASSERT_EQ(lines.size(), 25U);
    EXPECT_NE(chain.find("\n24 V 24\t"), std::string::npos) << chain;
    EXPECT_EQ(lines[24].second, *figureGenes(makeRecord(true, "chain"), 24));
}

// ---------------------------------------------------------------- lineage

// A run file written as the window writes it: a relatives screen, the relative G3 -1 picked from
// it, a chain of mutants from that, then Back to the second screen, which is current when the run
// ends. The lineage follows the current screen.
TEST(LineageCliTest, TheLineageOfTheRunsCurrentScreenInEachFormat) {
    const QTemporaryDir dir;
    const std::string runFile = dir.filePath("run.vrun").toStdString();
    HistoryState history;
    const GeneSet fives{5, 5, 5, 5, 5, 5, 5, 5};
    const auto record = [&history](Screen screen) {
        HistoryEntry entry;
        entry.screen = std::move(screen);
        history.record(std::move(entry));
    };
    record(relativesScreen(fives));
    record(relativesScreen(relativesScreen(fives).figures[6].genes)); // G3 -1
    ScriptedRandom random;
    random.queueDraws(7);
    record(mutationScreen(history.entry(1).screen.central, random));
    history.goTo(history.entry(history.current()).parent);
    RunFileWriter writer;
    std::string error;
    ASSERT_TRUE(writer.create(
        runFile, runHeaderLine("2026-12-06T10:15:30") + runScreenLine(history, 0), &error))
        << error;
    ASSERT_TRUE(writer.append(runScreenLine(history, 1), &error)) << error;
    ASSERT_TRUE(writer.append(runScreenLine(history, 2), &error)) << error;
    ASSERT_TRUE(writer.append(runMoveLine(1), &error)) << error;
    writer.close();

    const Result genes = run("lineage " + runFile);
    EXPECT_EQ(genes.status, kExitOk) << genes.err;
    EXPECT_EQ(genes.out, "1\tstart\t5 5 5 5 5 5 5 5\n2\tpicked from relatives\t5 5 4 5 5 5 5 5\n");

    const QString gif = dir.filePath("l.gif");
    ASSERT_EQ(run("lineage " + runFile + " --format gif -o " + gif.toStdString()).status, kExitOk);
    QImageReader frames(gif);
    EXPECT_EQ(frames.imageCount(), 2);
    EXPECT_EQ(frames.size(), QSize(656, 656));
    const QString pdf = dir.filePath("l.pdf");
    ASSERT_EQ(run("lineage " + runFile + " --format pdf -o " + pdf.toStdString()).status, kExitOk);
    EXPECT_TRUE(pdfToolOutput("pdftotext", {pdf, "-"}).contains("picked from relatives"));
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
    {"mutations" + kFives, kExitUsage, "seed"},
    {"print-catalogue --all %1 -o OUT", kExitUsage, ""},
    {"export %1 0", kExitUsage, "RECORD"},
    {"lineage %1 --format pdf", kExitUsage, "-o"},
};

const FailureCase kFailure[] = {
    {"catalogue %1.none", kExitFailure, "does not exist"},
    {"export %1 5 -o OUT --format svg", kExitFailure, "holds no record 5"},
    {"export %1 2 -o OUT --format svg", kExitFailure, "deleted"},
    {"export %1 4 -o OUT --format svg", kExitFailure, "damaged"},
    {"lineage %1 --format gif -o OUT", kExitFailure, "is not a Vavivor run file"},
    {"relatives --layout full --format png -o /nonexistent/f.png" + kFives, kExitFailure,
     "/nonexistent/f-01.png"},
};

INSTANTIATE_TEST_SUITE_P(Usage, CliFailureTest, ::testing::ValuesIn(kUsage));
INSTANTIATE_TEST_SUITE_P(Files, CliFailureTest, ::testing::ValuesIn(kFailure));

// An output that is the storage file read, by its own name, through a link or as a numbered file
// of the full layout, or standard output appending to it, is refused before anything is written;
// the fixture finds the storage file unchanged.
TEST_F(StorageCliTest, NoOutputIsTheFileItReads) {
    QTemporaryDir links;
    const QString l = links.path();
    ASSERT_TRUE(QFile::link(QString::fromStdString(store()), l + "/sym.png"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(store()), l + "/fig-05.svg"));
    ASSERT_EQ(::link(store().c_str(), (l + "/hard.svg").toLocal8Bit().constData()), 0);
    const QStringList before = QDir(l).entryList(QDir::Files);
    for (std::string args : {"export %1 1 -o %1", "export %1 3 --format png -o L/sym.png",
                             "export %1 1 --format svg -o L/hard.svg",
                             "export %1 1 --layout full --format svg -o L/fig.svg",
                             "print-catalogue %1 %1 -o L/sym.png", "lineage %1 -o L/hard.svg"}) {
        if (const std::size_t at = args.find("L/"); at != std::string::npos) {
            args.replace(at, 1, l.toStdString());
        }
        const Result r = run(cli(args));
        EXPECT_EQ(r.status, kExitUsage) << args;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find("over the input file " + store()), std::string::npos) << r.err;
    }
    EXPECT_EQ(QDir(l).entryList(QDir::Files), before) << "not even the pictures before fig-05";
    const Result appended = runProcess(VAVIVOR_CLI, {"catalogue", QString::fromStdString(store())},
                                       QString::fromStdString(store()), QIODevice::Append);
    EXPECT_EQ(appended.status, kExitUsage) << appended.err;
}

// Standard output or an output file that cannot be written: exit status 1 and one line that
// names the cause, and nothing from Qt or the libraries beneath it.
TEST(CliOutputFailureTest, ExitOneAndOneLineThatNamesTheCause) {
    QTemporaryDir dir;
    const QString store = dir.filePath("s.zlr");
    writeRecords(store.toStdString(), {makeRecord(false, "figure")});
    // %s: the storage file, %g: the genes, %d: the folder. A full disk stops writes at 4 KiB
    // (RLIMIT_FSIZE, SIGXFSZ ignored).
    const struct {
        const char* line;
        const char* output;
        std::string says;
        bool fullDisk = false;
    } cases[] = {
        {"catalogue %s", "/dev/full", "to standard output: no space left on device"},
        {"render %g --format=png -o /nonexistent/f.png", "", "/nonexistent/f.png: no"},
        {"render %g --format=svg -o /dev/full", "", "/dev/full: no space left"},
        {"print-catalogue %s -o %d/c.pdf", "", "c.pdf: file too large.", true},
    };
    for (const auto& c : cases) {
        const QString limited = QStringLiteral("trap '' XFSZ; exec prlimit --fsize=4096 \"$@\"");
        const QStringList arguments = QString(c.line)
                                          .replace("%s", store)
                                          .replace("%g", "--genes=5,5,5,5,5,5,5,5")
                                          .replace("%d", dir.path())
                                          .split(' ');
        const Result r =
            c.fullDisk ? runProcess("sh", QStringList{"-c", limited, "sh", VAVIVOR_CLI} + arguments)
                       : runProcess(VAVIVOR_CLI, arguments, c.output);
        EXPECT_EQ(r.status, kExitFailure) << c.line;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_TRUE(r.err.starts_with("vavivor-cli: could not write ")) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST(CliOutputFailureTest, AFailedWriteLeavesTheFileThatStood) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("f.svg").toStdString();
    writeBytes(path, "good");
    std::ostringstream err;
    const int status = writeWhole(path, err, [](const std::string& file, std::string* reason) {
        writeBytes(file, "half");
        *reason = "Could not write " + file + ": No space left on device.";
        return false;
    });
    EXPECT_EQ(status, kExitFailure);
    EXPECT_EQ(fileBytes(path), "good");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.svg"});
    EXPECT_EQ(err.str(), "vavivor-cli: could not write " + path + ": no space left on device.\n");
}

TEST(PrintCatalogueCliTest, TheStorageListNamesTheDefaultFileInTheProgramFolder) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("cat.pdf").toStdString();
    writeRecords(dir.filePath("a.zlr").toStdString(), {makeRecord(true, "chain")});
    ASSERT_EQ(run("print-catalogue " + dir.filePath("a.zlr").toStdString() + " -o " + pdf).status,
              kExitOk);
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));
    writeBytes(dir.filePath("str-data.txt").toStdString(),
               "  2             2 \r\n\"\\def-store.zld\"\r\n\"/data/figures.zlr\"\r\n");
    std::string error;
    const auto files = listedStoreFiles(dir.path().toStdString(), &error);
    ASSERT_TRUE(files) << error;
    EXPECT_EQ(*files, (std::vector<std::string>{dir.filePath("def-store.zld").toStdString(),
                                                "/data/figures.zlr"}));
}

} // namespace
} // namespace vavivor::cli
