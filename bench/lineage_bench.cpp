#include "bench_program.h"
#include "platform/lineage_export.h"
#include "platform/picture_export.h"

#include <array>
#include <benchmark/benchmark.h>

namespace vavivor {
namespace {

// A lineage of `count` steps that wanders through the genes: each step moves one gene one
// position, turning back at the ends, so that depths of 1 to 9 all occur.
std::vector<LineageStep> wanderingLineage(int count) {
    std::vector<LineageStep> steps;
    GeneSet genes{5, 5, 5, 5, 5, 5, 5, 5};
    std::array<int, kGeneCount> direction{};
    direction.fill(1);
    for (int i = 0; i < count; ++i) {
        const int g = (i * 3) % kGeneCount;
        if (genes[g] + direction[g] < kGenePosMin || genes[g] + direction[g] > kGenePosMax) {
            direction[g] = -direction[g];
        }
        genes[g] = static_cast<std::int16_t>(genes[g] + direction[g]);
        steps.push_back({i + 1, i, genes, i == 0 ? std::string("start") : std::string("G1 +1")});
    }
    return steps;
}

// The animated GIF of a 500-step lineage, against painting its 500 frames into images
// without quantising or encoding them.
void BM_LineageGif(benchmark::State& state) {
    const std::vector<LineageStep> steps = wanderingLineage(500);
    QString error;
    timeAgainst(
        state,
        [&] { benchmark::DoNotOptimize(lineageGif(steps, kLineageGifPixels, &error).size()); },
        [&] {
            for (const LineageStep& step : steps) {
                benchmark::DoNotOptimize(
                    renderPicture(lineageFramePicture(step, true), kLineageGifPixels, false)
                        .constBits());
            }
        });
    state.counters["bytes"] =
        static_cast<double>(lineageGif(steps, kLineageGifPixels, &error).size());
}
BENCHMARK(BM_LineageGif)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vavivor
