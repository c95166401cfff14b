#pragma once

#include "core/genome.h"
#include "record_io.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vavivor {

// What the catalogue shows of one live record, read from the record once: the list, its
// pictures and filter, vavivor-cli catalogue and the printed catalogue all work from it.
struct CatalogueRow {
    int number = 0;
    bool sequence = false;   // M, a chain of mutations; R, a single figure
    std::string description; // as descriptionText gives it, all 20 characters
    // The positions of the first figure, each rounded to a whole number (halves to even);
    // nothing for a cell that holds no number in the 16-bit range.
    std::array<std::optional<std::int16_t>, kGeneCount> genes{};

    bool operator==(const CatalogueRow&) const = default;
};

// The row of record `number`.
CatalogueRow catalogueRow(int number, const StorageRecord& record);

// The number right-aligned in three places, then M or R.
std::string recordField(const CatalogueRow& row);

// A position as the catalogue writes it: the number, or "?" for nothing.
std::string positionText(std::optional<std::int16_t> position);

// The catalogue line: recordField, TAB, the description, TAB, each position followed by two
// blanks.
std::string catalogueLine(const CatalogueRow& row);

// The first figure, when every position is a whole number 1..9; nothing otherwise.
std::optional<GeneSet> firstFigure(const CatalogueRow& row);

} // namespace vavivor
