#pragma once

#include "gene_editor_model.h"
#include "gene_set.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vavivor {

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
    // What the gene editor shows; its positions are read by readEditor, written by showCentral.
    GeneEditorModel editor;
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
