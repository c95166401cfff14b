#pragma once

#include "core/picture.h"
#include "mainwindow/main_window.h"
#include "support/scripted_services.h"

#include <QLineF>
#include <QSize>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

class QImage;

namespace vavivor {

class PictureArea;

// The whole program on the current (offscreen) platform: the wired main window on scripted
// services, shown, in a temporary program folder. Mutations always step up, so a figure with
// every gene at 9 stays so.
class BenchProgram {
public:
    // `printer` replaces the scripted printer when given; it must outlive the program.
    explicit BenchProgram(PrinterPage* printer = nullptr);

    MainWindow& window() { return *m_window; }
    PictureArea& area();
    QString folder() const { return m_folder.path(); }

    void setEveryGene(int position);
    // A click on a button of the main window, and the picture area painted at once.
    void click(const char* button);
    void tickAutoPrint();

private:
    QTemporaryDir m_folder;
    ScriptedPlatform m_platform;
    std::unique_ptr<MainWindow> m_window;
};

// The black one-pixel segments of `picture` in the pixels of an area of `size`: the figures
// without grid, labels or positioning lines.
std::vector<QLineF> figureSegments(const Picture& picture, QSizeF size);

// The same segments drawn with bare QPainter calls into `image`, cleared to white first, with
// the render hints of the picture areas.
void paintSegments(QImage& image, const std::vector<QLineF>& segments, bool antialias = false);

// The seconds that `f` takes.
double secondsOf(const std::function<void()>& f);

// Times `work` and `baseline` in turns, so that both meet the same load of a shared machine.
// The benchmark's time is that of `work` (register it with UseManualTime); the counters give the
// medians of both in milliseconds and the ratio of the medians.
void timeAgainst(benchmark::State& state, const std::function<void()>& work,
                 const std::function<void()>& baseline);
// The same for work that measures itself: each function returns the seconds it took.
void timeReportedAgainst(benchmark::State& state, const std::function<double()>& work,
                         const std::function<double()>& baseline);

} // namespace vavivor
