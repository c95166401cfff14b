#include "bench_program.h"

#include "core/gene_editor.h"
#include "mainwindow/wiring.h"
#include "platform/picture_area.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <chrono>

namespace vavivor {

BenchProgram::BenchProgram(PrinterPage* printer) {
    PlatformServices services = m_platform.services();
    m_window = std::make_unique<MainWindow>(PlatformServices{
        services.dialogs, services.printDialogs, printer != nullptr ? *printer : services.printer,
        services.help, services.random, services.clock});
    wireProgram(*m_window);
    m_window->setProgramFolder(m_folder.path().toStdString());
    m_window->startUp();
    m_window->show();
    QApplication::processEvents();
    m_platform.random.numbers.push_back(0.99); // gene 8, one step up
}

PictureArea& BenchProgram::area() {
    return *m_window->pictureArea(m_window->state().screen.curPic);
}

void BenchProgram::setEveryGene(int position) {
    for (int g = 0; g < kGeneCount; ++g) {
        setEditorPosition(m_window->state().genome, g, static_cast<std::int16_t>(position));
    }
}

void BenchProgram::click(const char* button) {
    m_window->findChild<QPushButton*>(QLatin1String(button))->click();
    area().repaint();
}

void BenchProgram::tickAutoPrint() {
    m_window->findChild<QCheckBox*>(QStringLiteral("ckbZel1"))->setChecked(true);
}

std::vector<QLineF> figureSegments(const Picture& picture, QSizeF size) {
    std::vector<QLineF> segments;
    for (const PictureItem& item : picture.items()) {
        if (item.kind != PictureItem::Kind::Line || item.colour != kBlack || item.lineWidth != 1) {
            continue;
        }
        const PictureScale& s = picture.scales()[item.scale];
        const auto map = [&](double x, double y) {
            return QPointF((x - s.left) / (s.right - s.left) * size.width(),
                           (y - s.top) / (s.bottom - s.top) * size.height());
        };
        segments.emplace_back(map(item.x1, item.y1), map(item.x2, item.y2));
    }
    return segments;
}

void paintSegments(QImage& image, const std::vector<QLineF>& segments, bool antialias) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(segments.data(), static_cast<int>(segments.size()));
}

void timeReportedAgainst(benchmark::State& state, const std::function<double()>& work,
                         const std::function<double()>& baseline) {
    std::vector<double> workTimes;
    std::vector<double> baseTimes;
    for (auto _ : state) {
        baseTimes.push_back(baseline());
        workTimes.push_back(work());
        state.SetIterationTime(workTimes.back());
    }
    const auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    if (!workTimes.empty()) {
        const double work = median(workTimes);
        const double base = median(baseTimes);
        state.counters["ms"] = work * 1e3;
        state.counters["base_ms"] = base * 1e3;
        state.counters["ratio"] = work / base;
    }
}

double secondsOf(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

void timeAgainst(benchmark::State& state, const std::function<void()>& work,
                 const std::function<void()>& baseline) {
    timeReportedAgainst(
        state, [&] { return secondsOf(work); }, [&] { return secondsOf(baseline); });
}

} // namespace vavivor
