// The breeding screens and the Auto-Print run in the real main window, each against the same
// segments drawn with bare QPainter calls, timed in turns.
#include "screen_bench.h"

#include "bench_program.h"
#include "core/renderer.h"
#include "platform/picture_area.h"
#include "platform/qt_printer_page.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace vavivor {
namespace {

// A click on DRAW MUTATIONS or DRAW RELATIVES with every gene at 9 (depth 11): computing,
// drawing and painting the picture area. Baseline: the black segments of that screen, already
// in pixels, drawn into an image of the picture area's size and device pixel ratio with bare
// QPainter calls and the same render hints.
class ScreenClick {
public:
    explicit ScreenClick(const char* button) : m_button(button) {
        m_program.setEveryGene(9);
        m_program.click(button);
        m_segments = figureSegments(m_program.area().picture(), m_program.area().size());
        const QImage& shown = m_program.area().image();
        m_image = QImage(shown.size(), QImage::Format_RGB32);
        m_image.setDevicePixelRatio(shown.devicePixelRatio());
    }

    void click() { m_program.click(m_button); }
    void bare() {
        paintSegments(m_image, m_segments);
        benchmark::DoNotOptimize(m_image.constBits());
    }
    [[nodiscard]] double pixelRatio() const { return m_image.devicePixelRatio(); }
    [[nodiscard]] std::size_t segments() const { return m_segments.size(); }

private:
    BenchProgram m_program;
    const char* m_button;
    std::vector<QLineF> m_segments;
    QImage m_image;
};

void BM_ScreenClick(benchmark::State& state, const char* button) {
    ScreenClick screen(button);
    timeAgainst(
        state, [&] { screen.click(); }, [&] { screen.bare(); });
    state.counters["segments"] = static_cast<double>(screen.segments());
}
BENCHMARK_CAPTURE(BM_ScreenClick, mutations, "cmdZELMdraw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScreenClick, relatives, "cmdZELRdraw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same on a screen of device pixel ratio 2, where the picture area holds four times the
// pixels. The ratio is the platform's for the whole process, so the click and its baseline run
// in a probe: this program started again on a 2x screen, which times each step it is asked for.
void BM_ScreenClick2x(benchmark::State& state, const char* button) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    probe.setProcessEnvironment(environment);
    probe.setStandardErrorFile(QProcess::nullDevice());
    probe.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--scaled-click-probe"), QLatin1String(button)});
    const auto answer = [&probe] {
        while (!probe.canReadLine() && probe.waitForReadyRead(60000)) {
        }
        return probe.canReadLine() ? probe.readLine().trimmed().toDouble() : -1.0;
    };
    if (answer() != 2.0) {
        state.SkipWithError("the probe did not start on a screen of pixel ratio 2");
        return;
    }
    const auto ask = [&](const char* step) {
        probe.write(step);
        return answer();
    };
    timeReportedAgainst(
        state, [&] { return ask("click\n"); }, [&] { return ask("bare\n"); });
    probe.closeWriteChannel();
    probe.waitForFinished();
}
BENCHMARK_CAPTURE(BM_ScreenClick2x, mutations, "cmdZELMdraw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// 25 one-page PDF documents, each with the full-screen figure's segments at the printed
// picture's size and 20 lines of 12-point text, with bare QPainter calls.
class BarePdfPages {
public:
    explicit BarePdfPages(const QString& pdf) : m_printer(QPrinter::HighResolution) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(pdf);
        GenomeState genome;
        fillGeneTable(genome);
        genome.genePos.fill(kGenePosMax);
        positionsToValues(genome);
        RecordingSurface surface;
        surface.setScale(0, kPicScale, kPicScale, 0);
        RendererState renderer;
        drawCell(renderer, surface, genome.geneValue, 500, 500, kFullRefLength, kStartAngle,
                 kPicScale, 0, "G8 1");
        m_device = m_printer.resolution() / 1440.0; // per twip
        m_segments = figureSegments(surface.picture(), QSizeF(9840, 9840) * m_device);
        for (QLineF& segment : m_segments) {
            segment.translate(690 * m_device, 1626 * m_device);
        }
        m_font = QFont(QStringLiteral("Arial"));
        m_font.setBold(true);
        m_font.setPointSizeF(12);
    }

    void print() {
        for (int page = 0; page < kCellCount; ++page) {
            QPainter painter(&m_printer);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
            painter.drawLines(m_segments.data(), static_cast<int>(m_segments.size()));
            painter.setFont(m_font);
            for (int line = 0; line < 20; ++line) {
                painter.drawText(QPointF(690 * m_device, (11653 + 271 * line) * m_device),
                                 QStringLiteral("8  'Down' factor   9,  1.4"));
            }
        }
    }

private:
    QPrinter m_printer;
    double m_device = 1.0;
    std::vector<QLineF> m_segments;
    QFont m_font;
};

// A full-screen DRAW MUTATIONS with Auto-Print and every gene at 9: 25 figures, each printed
// as a one-page PDF.
void BM_AutoPrintRun(benchmark::State& state) {
    QTemporaryDir pdfs;
    QtPrinterPage printer(pdfs.filePath(QStringLiteral("page.pdf")));
    BenchProgram program(&printer);
    program.setEveryGene(9);
    program.click("cmdZELscreen");
    program.tickAutoPrint();
    BarePdfPages bare(pdfs.filePath(QStringLiteral("bare.pdf")));
    timeAgainst(
        state, [&] { program.click("cmdZELMdraw"); }, [&] { bare.print(); });
}
BENCHMARK(BM_AutoPrintRun)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

bool isScaledClickProbe(int argc, char** argv) {
    return argc == 3 && std::strcmp(argv[1], "--scaled-click-probe") == 0;
}

int runScaledClickProbe(int argc, char** argv) {
    QApplication app(argc, argv);
    ScreenClick screen(argv[2]);
    // First the ratio it runs at, then the seconds of each step asked for on standard input.
    std::printf("%g\n", screen.pixelRatio());
    std::fflush(stdout);
    char step[16];
    while (std::fgets(step, sizeof step, stdin) != nullptr) {
        const bool click = std::strncmp(step, "click", 5) == 0;
        std::printf("%.9f\n", secondsOf([&] { click ? screen.click() : screen.bare(); }));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace vavivor
