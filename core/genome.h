#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vavivor {

inline constexpr int kGeneCount = 8;
inline constexpr std::int16_t kGenePosMin = 1;
inline constexpr std::int16_t kGenePosMax = 9;
inline constexpr int kCellCount = 25;

// One figure's genes as editor positions 1..9, in gene order.
using GeneSet = std::array<std::int16_t, kGeneCount>;
// The values that the renderer reads, derived from a GeneSet.
using GeneValues = std::array<float, kGeneCount>;
// The mutant table: row 0 is the central figure, row k mutant k.
using MutantTable = std::array<GeneSet, kCellCount>;

// The genome's program-wide state; see genome.cpp for who writes what.
struct GenomeState {
    std::int16_t geneCount = kGeneCount;
    std::int16_t genePosMax = kGenePosMax;
    std::array<std::array<float, 2>, kGeneCount> geneTable{}; // [i][0] offset, [i][1] step
    std::array<std::string, kGeneCount> geneName;
    GeneSet genePos{};
    GeneSet centralPos{};
    MutantTable cellPos{};
    GeneValues geneValue{};
    float mainAngle = 0.0F;
    float lengthRatio = 0.0F;
    bool editorReady = false;
};

// Fills the gene table and the gene names (each name keeps its trailing blank).
void fillGeneTable(GenomeState& genome);

// The value of gene `gene` at `position`: position * step + offset, formed in double precision
// and rounded to single precision.
float geneValueAt(const GenomeState& genome, int gene, std::int16_t position);

// The values of a gene set, as geneValueAt gives them.
GeneValues geneValues(const GeneSet& genes);

// geneValue from genePos, then mainAngle and lengthRatio.
void positionsToValues(GenomeState& genome);

// position + step limited to 1..genePosMax (upper bound tested first).
std::int16_t clampPos(std::int16_t position, int step, std::int16_t genePosMax = kGenePosMax);

bool isValidPosition(double position);

// "5,5,5,5,5,5,5,5" -> a GeneSet; nothing unless there are exactly eight whole numbers 1..9.
std::optional<GeneSet> parseGeneList(std::string_view text);

// The GeneSet with every gene at the editor's start position.
GeneSet startGenes();

} // namespace vavivor
