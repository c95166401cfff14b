#pragma once

#include "genome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vavivor {

class RandomSource;

// What a breeding screen shows. A loaded sequence record is a Review screen and a loaded
// single figure a Relatives screen, with their record number.
enum class ScreenKind : std::uint8_t { Mutations, Relatives, Review };

inline constexpr int kCentreCell = kCellCount / 2;

// One figure of a screen.
struct ScreenFigure {
    int cell = 0; // its cell in the grid, 0..24, row by row from the top left
    GeneSet genes{};
    std::string label;
    int number = 0; // shown beside the figure when > 0

    bool operator==(const ScreenFigure&) const = default;
};

// A breeding screen as a value: what it is, what it was made from and its figures in the order
// they are drawn.
struct Screen {
    ScreenKind kind = ScreenKind::Relatives;
    GeneSet central{};
    MutantTable chain{};           // Mutations and Review: row 0 the central figure, row k mutant k
    std::int16_t recordNumber = 0; // the loaded record, 0 for a bred screen
    std::string store;             // the storage file of that record
    std::optional<std::uint32_t> seed; // DRAW MUTATIONS: the seed of the chain, when known
    std::vector<ScreenFigure> figures;

    bool operator==(const Screen&) const = default;
    [[nodiscard]] bool showsSequence() const { return kind != ScreenKind::Relatives; }
};

// Mutant k (1..24) of `chain`: one random gene one random step up or down (clamped) in rows
// k..24, from exactly two draws, gene first. Returns the label, which names the attempted
// change even when a bound stopped it ("G3 -1", "G8 1").
std::string mutateChain(MutantTable& chain, int k, RandomSource& random);

// DRAW MUTATIONS: the central figure "Orig." and a chain of 24 mutants from `random`, each
// one step away from the one before, labelled by its change and numbered by its cell.
Screen mutationScreen(const GeneSet& central, RandomSource& random);

// DRAW RELATIVES: the central figure in the middle and each gene one step up and one step down.
Screen relativesScreen(const GeneSet& central);

// REVIEW MUTATIONS: `central` as "Orig." and rows 1..24 of `chain` labelled "V k", unnumbered.
Screen reviewScreen(const GeneSet& central, const MutantTable& chain);

// The cell of the relative of `gene` one step in `dir`: the +1 relatives run along the top row,
// then down the right-hand column; each -1 relative stands in the cell mirrored through the
// centre.
int relativeCell(int gene, int dir);

// What the screen was, in the words of the program: "DRAW MUTATIONS" (with ", seed 1234567"
// when its seed is known), "REVIEW MUTATIONS", "DRAW RELATIVES", or "record 7 of figures.zlr"
// for a loaded record.
std::string screenName(const Screen& screen);

// The status-bar note while `screen` is shown: "Seed 1234567" for a chain of a known seed,
// "Record 7 of figures.zlr." for a loaded record, else a short note on what the screen shows.
std::string screenStatus(const Screen& screen);

} // namespace vavivor
