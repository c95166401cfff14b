#pragma once

#include "core/genome.h"

#include <optional>
#include <string>
#include <string_view>

namespace vavivor {

// A catalogue line (see catalogueLine) read back by the catalogue window, for the filter above
// the list and the picture beside each line.

// The description field: what stands between the first and the last TAB.
std::string catalogueDescription(std::string_view line);

// The genes of the record's first figure from the Genes column; nothing when a position there
// is not a whole number 1..9.
std::optional<GeneSet> catalogueGenes(std::string_view line);

// Whether the line's description holds `text`, upper and lower case alike. Every description
// holds the empty text.
bool descriptionContains(std::string_view line, std::string_view text);

} // namespace vavivor
