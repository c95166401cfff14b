#pragma once

// The sizes of a figure's genes and the arrays that hold them.

#include <array>
#include <cstdint>

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

} // namespace vavivor
