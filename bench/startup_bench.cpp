// Start-up to the first painted window, in a new process each time, against a bare Qt window.
#include "startup_bench.h"

#include "bench_program.h"
#include "mainwindow/wiring.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vavivor {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Ends the process as soon as the first paint of a window is over.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(SteadyClock::time_point start) : m_start(start) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the whole window has been painted and flushed.
            QTimer::singleShot(0, [this] {
                const std::chrono::duration<double> elapsed = SteadyClock::now() - m_start;
                std::printf("%.6f\n", elapsed.count());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    SteadyClock::time_point m_start;
    bool m_seen = false;
};

// Starts the probe and returns the seconds it reported.
double probe(const char* kind, const QString& folder) {
    const SteadyClock::time_point start = SteadyClock::now();
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--startup-probe"), QLatin1String(kind), folder,
                   QString::number(start.time_since_epoch().count())});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return -1.0;
    }
    return process.readAllStandardOutput().trimmed().toDouble();
}

// The whole program from the start of its process to its first painted window, against an
// empty Qt main window started the same way.
void BM_StartUp(benchmark::State& state) {
    QTemporaryDir folder;
    bool failed = false;
    const auto run = [&](const char* kind) {
        const double seconds = probe(kind, folder.path());
        failed = failed || seconds <= 0.0;
        return seconds;
    };
    timeReportedAgainst(
        state, [&] { return run("program"); }, [&] { return run("bare"); });
    if (failed) {
        state.SkipWithError("the start-up probe failed");
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

bool isStartUpProbe(int argc, char** argv) {
    return argc == 5 && std::strcmp(argv[1], "--startup-probe") == 0;
}

int runStartUpProbe(int argc, char** argv) {
    const SteadyClock::time_point start{SteadyClock::duration{std::strtoll(argv[4], nullptr, 10)}};
    const bool program = std::strcmp(argv[2], "program") == 0;
    const std::string folder = argv[3];
    QApplication app(argc, argv);
    FirstPaint firstPaint(start);
    app.installEventFilter(&firstPaint);

    if (!program) {
        QMainWindow window;
        window.resize(1000, 700);
        window.show();
        return QApplication::exec();
    }
    return runProgram(folder);
}

} // namespace vavivor
