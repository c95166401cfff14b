// The breeding screens and the Auto-Print run in the real main window, each against the same
// segments drawn with bare QPainter calls, timed in turns.
#include "bench_program.h"
#include "core/renderer.h"
#include "platform/picture_area.h"
#include "platform/qt_printer_page.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace vavivor {
namespace {

// A click on DRAW MUTATIONS or DRAW RELATIVES with every gene at 9 (depth 11): computing,
// drawing and painting the picture area. Baseline: the black segments of that screen, already
// in pixels, drawn into an image of the picture area's size with bare QPainter calls and the
// same render hints.
void BM_ScreenClick(benchmark::State& state, const char* button) {
    BenchProgram program;
    program.setEveryGene(9);
    program.click(button);
    const std::vector<QLineF> segments =
        figureSegments(program.area().picture(), program.area().size());
    QImage image(program.area().image().size(), QImage::Format_RGB32);
    timeAgainst(
        state, [&] { program.click(button); },
        [&] {
            paintSegments(image, segments);
            benchmark::DoNotOptimize(image.constBits());
        });
    state.counters["segments"] = static_cast<double>(segments.size());
}
BENCHMARK_CAPTURE(BM_ScreenClick, mutations, "cmdZELMdraw")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScreenClick, relatives, "cmdZELRdraw")
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
} // namespace vavivor
