#include "core/picture.h"
#include "core/renderer.h"
#include "platform/picture_area.h"

#include <benchmark/benchmark.h>

namespace vavivor {
namespace {

GeneValues deepestValues() {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos.fill(kGenePosMax);
    positionsToValues(genome);
    return genome.geneValue;
}

// One depth-11 figure (2047 segments) recorded without any drawing.
void BM_DrawCellRecording(benchmark::State& state) {
    const GeneValues genes = deepestValues();
    RendererState renderer;
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    for (auto _ : state) {
        surface.clear();
        drawCell(renderer, surface, genes, 100, 900, kCellRefLength, kStartAngle, kCellSize, 1,
                 "G1 1");
        benchmark::DoNotOptimize(surface.picture().items().data());
    }
}
BENCHMARK(BM_DrawCellRecording)->Unit(benchmark::kMicrosecond);

// The same figure on the Qt picture area, rasterised into its image.
void BM_DrawCellPictureArea(benchmark::State& state) {
    const GeneValues genes = deepestValues();
    RendererState renderer;
    PictureArea area;
    area.resize(656, 656);
    area.setScale(0, kPicScale, kPicScale, 0);
    for (auto _ : state) {
        area.clear();
        drawCell(renderer, area, genes, 100, 900, kCellRefLength, kStartAngle, kCellSize, 1,
                 "G1 1");
        benchmark::DoNotOptimize(area.image().constBits());
    }
}
BENCHMARK(BM_DrawCellPictureArea)->Unit(benchmark::kMicrosecond);

// A whole grid screen: the grid and 25 depth-11 figures, rasterised.
void BM_GridScreenPictureArea(benchmark::State& state) {
    const GeneValues genes = deepestValues();
    RendererState renderer;
    PictureArea area;
    area.resize(656, 656);
    area.setScale(0, kPicScale, kPicScale, 0);
    for (auto _ : state) {
        prepareSurface(area, 0);
        for (int k = 0; k < kCellCount; ++k) {
            drawCell(renderer, area, genes, 200 * (k % 5) + 100, 900 - 200 * (k / 5),
                     kCellRefLength, kStartAngle, kCellSize, k, "G1 1");
        }
        benchmark::DoNotOptimize(area.image().constBits());
    }
}
BENCHMARK(BM_GridScreenPictureArea)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vavivor
