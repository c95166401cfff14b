#pragma once

#include "gene_set.h"

#include <optional>
#include <string>
#include <string_view>

namespace vavivor {

// A figure's genes as one line of text that travels through the clipboard, a drag or a note:
// "Vavivor genes: 9 3 5 5 7 5 5 4", the eight positions in gene order.
std::string geneText(const GeneSet& genes);

// What readGeneText made of a text: the genes, or, when there are none, why not as a phrase
// that can follow "the text is no gene set: ".
struct GeneTextRead {
    std::optional<GeneSet> genes;
    std::string error;
};

// Reads "Vavivor genes: 9 3 5 5 7 5 5 4" (the prefix in any case), "9,3,5,5,7,5,5,4" and
// "9 3 5 5 7 5 5 4": eight whole numbers within 1..genePosMax, apart by commas (blanks beside
// them allowed) or by blanks, where a blank is a space or a tab. Blanks and line ends before
// and after the line are left out, so a line copied with its newline reads; a second line, a
// sign, a fraction, an empty place between commas or any other word is refused.
GeneTextRead readGeneText(std::string_view text, int genePosMax = kGenePosMax);

} // namespace vavivor
