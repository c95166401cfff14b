// Opening a run of 10,000 screens, against a plain read of the same file split into lines.
#include "core/random_source.h"
#include "storage/run_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace vavivor {
namespace {

constexpr int kRunScreens = 10000;

// A run of kRunScreens screens, chains and relatives by turns, going back now and then so that
// it branches, written once per run of the benchmarks.
std::string longRun() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        HistoryState history;
        TwisterRandom random;
        random.useSeed(12345);
        random.reseed();
        std::string text = runHeaderLine("2026-12-06T10:15:30");
        GeneSet central = startGenes();
        for (int i = 0; i < kRunScreens; ++i) {
            if (i % 7 == 6) {
                history.goTo(history.entry(history.current()).parent);
                text += runMoveLine(history.current());
            }
            HistoryEntry entry;
            entry.screen = i % 2 == 0 ? mutationScreen(central, random) : relativesScreen(central);
            central = entry.screen.figures[static_cast<std::size_t>(1 + i % 16)].genes;
            const int index = history.record(std::move(entry));
            text += runScreenLine(history, index);
        }
        const std::string file = folder.filePath(QStringLiteral("long.vrun")).toStdString();
        QFile out(QString::fromStdString(file));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size())) {
            qFatal("could not write %s", file.c_str());
        }
        return file;
    }();
    return path;
}

// What opening a run does before it draws: read the file and take its history.
void BM_OpenRun(benchmark::State& state) {
    const std::string path = longRun();
    HistoryState kept;
    for (auto _ : state) {
        RunFileRead read = readRunFile(path);
        if (!read.run || read.run->history.size() != kRunScreens) {
            state.SkipWithError(read.error.c_str());
            return;
        }
        kept = std::move(read.run->history);
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_OpenRun)->Unit(benchmark::kMillisecond);

// Baseline: the same bytes read with QFile::readAll and split into lines.
void BM_ReadRunLines(benchmark::State& state) {
    const QString path = QString::fromStdString(longRun());
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open");
            return;
        }
        const QList<QByteArray> lines = file.readAll().split('\n');
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_ReadRunLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vavivor
