#include "cli/cli_options.h"
#include "cli/commands.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace vavivor::cli {
namespace {

ParseResult parse(const QString& line) {
    return parseCommandLine(line.split(' ', Qt::SkipEmptyParts));
}

TEST(CliParseTest, RenderTakesGenesLayoutFormatAndOutput) {
    const ParseResult r =
        parse("render --genes 1,2,3,4,5,6,7,8 --layout full --format svg -o x.svg");
    ASSERT_TRUE(r.options) << r.error;
    EXPECT_EQ(r.options->command, "render");
    EXPECT_EQ(r.options->genes, (GeneSet{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(r.options->layout, Layout::Full);
    EXPECT_EQ(r.options->format, "svg");
    EXPECT_EQ(r.options->output, "x.svg");

    const ParseResult defaults = parse("render --genes=5,5,5,5,5,5,5,5");
    ASSERT_TRUE(defaults.options) << defaults.error;
    EXPECT_EQ(defaults.options->layout, Layout::Cell);
    EXPECT_EQ(defaults.options->format, "segments");
    EXPECT_TRUE(defaults.options->output.empty());
}

TEST(CliParseTest, BadCommandLinesGiveOneLineReasons) {
    for (const char* bad :
         {"", "paint --genes 5,5,5,5,5,5,5,5", "render", "render --genes 5,5,5,5,5,5,5,0",
          "render --genes 5,5,5,5,5,5,5", "render --genes 5,5,5,5,5,5,5,5 --layout wide",
          "render --genes 5,5,5,5,5,5,5,5 --format jpeg",
          "render --genes 5,5,5,5,5,5,5,5 --colour red",
          "render --genes 5,5,5,5,5,5,5,5 --format png", "render --genes 5,5,5,5,5,5,5,5 --seed 3",
          "render --genes 5,5,5,5,5,5,5,5 --size 100", "render --genes 5,5,5,5,5,5,5,5 extra",
          "render --genes 5,5,5,5,5,5,5,5 --genes 5,5,5,5,5,5,5,5"}) {
        const ParseResult r = parse(bad);
        EXPECT_FALSE(r.options) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << bad;
    }
    EXPECT_TRUE(parse("--help").help);
    EXPECT_TRUE(parse("render --help").help);
}

TEST(CliParseTest, HelpDocumentsEveryCommand) {
    const std::string usage = usageText();
    for (const Command& command : commands()) {
        EXPECT_NE(usage.find("vavivor-cli " + command.name), std::string::npos) << command.name;
    }
}

int run(const QString& line, std::string* out, std::string* err = nullptr) {
    const ParseResult r = parse(line);
    EXPECT_TRUE(r.options) << r.error;
    std::ostringstream o;
    std::ostringstream e;
    const int status = findCommand(r.options->command)->run(*r.options, o, e);
    *out = o.str();
    if (err != nullptr) {
        *err = e.str();
    }
    return status;
}

TEST(CliRenderTest, SegmentsOfTheStartFigure) {
    std::string out;
    ASSERT_EQ(run("render --genes 5,5,5,5,5,5,5,5", &out), kExitOk);
    std::istringstream lines(out);
    std::string line;
    int count = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    while (std::getline(lines, line)) {
        ++count;
        double x1, y1, x2, y2;
        char rest = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf %lf%c", &x1, &y1, &x2, &y2, &rest), 4)
            << line;
        minX = std::min({minX, x1, x2});
        maxX = std::max({maxX, x1, x2});
        minY = std::min({minY, y1, y2});
        maxY = std::max({maxY, y1, y2});
        ASSERT_EQ(line.find("  "), std::string::npos);
        ASSERT_EQ(line.substr(line.find('.') + 5, 1), " ") << "four decimals: " << line;
    }
    EXPECT_EQ(count, 127);
    EXPECT_NEAR(std::max(maxX - minX, maxY - minY), 180.0, 1e-3);
    EXPECT_NEAR((maxX + minX) / 2, 100.0, 1e-3);
    EXPECT_NEAR((maxY + minY) / 2, 900.0, 1e-3);
}

TEST(CliRenderTest, PngAndSvgFiles) {
    QTemporaryDir dir;
    const QString png = dir.filePath("f.png");
    const QString svg = dir.filePath("f.svg");
    std::string out;
    ASSERT_EQ(run("render --genes 5,5,5,5,5,5,5,5 --layout full --format png -o " + png, &out),
              kExitOk);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(1000, 1000));
    EXPECT_EQ(image.pixelColor(5, 995), QColor(Qt::white));
    EXPECT_LT(image.pixelColor(500, 900).lightness(), 128) << "the trunk stands at the centre";

    ASSERT_EQ(run("render --genes 5,5,5,5,5,5,5,5 --format png --size 64 -o " + png, &out),
              kExitOk);
    EXPECT_EQ(QImage(png).size(), QSize(64, 64));

    ASSERT_EQ(run("render --genes 5,5,5,5,5,5,5,5 --format svg -o " + svg, &out), kExitOk);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Orig."));
}

TEST(CliRenderTest, UnwritableOutputIsAFailureWithAReason) {
    std::string out;
    std::string err;
    EXPECT_EQ(run("render --genes 5,5,5,5,5,5,5,5 -o /nonexistent/dir/x.txt", &out, &err),
              kExitFailure);
    EXPECT_NE(err.find("/nonexistent/dir/x.txt"), std::string::npos);
    EXPECT_EQ(run("render --genes 5,5,5,5,5,5,5,5 --format png -o /nonexistent/x.png", &out, &err),
              kExitFailure);
    EXPECT_NE(err.find("/nonexistent/x.png"), std::string::npos);
}

} // namespace
} // namespace vavivor::cli
