// A storage file as full as one can be, against a plain read of the same file.
#include "bench_program.h"
#include "storage/catalogue.h"
#include "storage/record_io.h"
#include "storage/store_list.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <benchmark/benchmark.h>

namespace vavivor {
namespace {

// kMaxRecords sequence records with descriptions and genes, written once per run.
std::string fullStore() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        const QString file = folder.filePath(QStringLiteral("full.zlr"));
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(kMaxRecords * kRecordSize));
        for (int r = 1; r <= kMaxRecords; ++r) {
            StorageRecord record;
            record.kind = -1;
            const std::string description = "figure " + std::to_string(r);
            std::copy(description.begin(), description.end(), record.description.begin());
            for (int f = 0; f < kCellCount; ++f) {
                for (int g = 0; g < kGeneCount; ++g) {
                    record.cell(f, g) = static_cast<float>(1 + (r + f + g) % 9);
                }
            }
            const RecordBytes encoded = encodeRecord(record);
            bytes.append(reinterpret_cast<const char*>(encoded.data()), kRecordSize);
        }
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            qFatal("could not write %s", qPrintable(file));
        }
        return file.toStdString();
    }();
    return path;
}

// The catalogue's rows kept as their lines of text only.
struct RowsOnly : CatalogueView {
    void clearRows() override { rows.clear(); }
    void addRow(const CatalogueRow& row) override { rows.push_back(catalogueLine(row)); }
    int selectedRow() const override { return -1; }
    void setStoreCaption(const std::string&) override {}
    void showWindow() override {}
    void hideWindow() override {}
    std::vector<std::string> rows;
};

// Baseline: every byte of the file read once, in pieces of 256 records into one buffer.
void plainRead(const QString& path) {
    static std::vector<char> piece(256 * kRecordSize);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot open %s", qPrintable(path));
    }
    while (file.read(piece.data(), static_cast<qint64>(piece.size())) > 0) {
        benchmark::DoNotOptimize(piece.data());
    }
}

// The logic of the storage file's scan, of the catalogue's lines, and File > Load/Delete until
// the catalogue window has been painted, each against the plain read.
void BM_Store(benchmark::State& state, const char* what) {
    BenchProgram program;
    ProgramState& s = program.window().state();
    Services& services = program.window().services();
    s.store.currentStore = fullStore();
    const QString path = QString::fromStdString(fullStore());
    RowsOnly rows;
    auto* load = program.window().findChild<QAction*>(QStringLiteral("mnuZELload"));
    const std::string kind = what;
    const auto work = [&] {
        if (kind == "scan") {
            scanStore(s, services);
        } else if (kind == "fill") {
            fillCatalogue(s, services, rows);
        } else if (kind == "find") {
            // Find narrows the open catalogue to the records whose description holds a 7 (two
            // in five), then shows every record again.
            auto* find = program.window().findChild<QLineEdit*>(QStringLiteral("txtCatFilter"));
            find->setText(QStringLiteral("7"));
            QApplication::processEvents();
            find->clear();
            QApplication::processEvents();
        } else {
            load->trigger();
            QApplication::processEvents();
            auto* catalogue =
                program.window().findChild<QMainWindow*>(QStringLiteral("frmZelStrCat"));
            catalogue->repaint();
            catalogue->hide();
            QApplication::processEvents();
        }
    };
    if (kind == "find") {
        load->trigger();
        QApplication::processEvents();
    }
    timeAgainst(state, work, [&] { plainRead(path); });
    state.counters["records"] = kMaxRecords;
}
BENCHMARK_CAPTURE(BM_Store, scanStore, "scan")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Store, fillCatalogue, "fill")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Store, findInCatalogue, "find")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Store, openCatalogueWindow, "open")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vavivor
