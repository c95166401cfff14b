#include "genome.h"

#include <charconv>
#include <cmath>

namespace vavivor {

namespace {

struct GeneRow {
    const char* name;
    float offset;
    float step;
};

constexpr std::array<GeneRow, kGeneCount> kGeneRows{{
    {"Iteration depth ", 2.0F, 1.0F},
    {"Main angle ", 0.0F, 40.0F},
    {"'Up' angle ", -90.0F, 20.0F},
    {"'Down' angle ", -90.0F, 20.0F},
    {"Basic length ratio ", 0.1F, 0.1F},
    {"'Up' factor ", 0.5F, 0.1F},
    {"'Down' factor ", 0.5F, 0.1F},
    {"Aspect ratio ", 0.2F, 0.2F},
}};

} // namespace

void fillGeneTable(GenomeState& genome) {
    for (int i = 0; i < kGeneCount; ++i) {
        genome.geneTable[i][0] = kGeneRows[i].offset;
        genome.geneTable[i][1] = kGeneRows[i].step;
        genome.geneName[i] = kGeneRows[i].name;
    }
}

float geneValueAt(const GenomeState& genome, int gene, std::int16_t position) {
    const double step = genome.geneTable[gene][1];
    const double offset = genome.geneTable[gene][0];
    return static_cast<float>(static_cast<double>(position) * step + offset);
}

GeneValues geneValues(const GeneSet& genes) {
    GeneValues values{};
    for (int i = 0; i < kGeneCount; ++i) {
        const double step = kGeneRows[i].step;
        const double offset = kGeneRows[i].offset;
        values[i] = static_cast<float>(static_cast<double>(genes[i]) * step + offset);
    }
    return values;
}

void positionsToValues(GenomeState& genome) {
    for (int i = 0; i < genome.geneCount; ++i) {
        genome.geneValue[i] = geneValueAt(genome, i, genome.genePos[i]);
    }
    genome.mainAngle = genome.geneValue[1];
    genome.lengthRatio = genome.geneValue[4];
}

std::int16_t clampPos(std::int16_t position, int step, std::int16_t genePosMax) {
    int sum = position + step;
    if (sum > genePosMax) {
        sum = genePosMax;
    }
    if (sum < kGenePosMin) {
        sum = kGenePosMin;
    }
    return static_cast<std::int16_t>(sum);
}

bool isValidPosition(double position) {
    return std::isfinite(position) && position == std::floor(position) && position >= kGenePosMin &&
           position <= kGenePosMax;
}

std::optional<GeneSet> parseGeneList(std::string_view text) {
    GeneSet genes{};
    std::size_t count = 0;
    const char* p = text.data();
    const char* const end = text.data() + text.size();
    while (true) {
        int value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc() || count == genes.size() || !isValidPosition(value)) {
            return std::nullopt;
        }
        genes[count++] = static_cast<std::int16_t>(value);
        if (next == end) {
            break;
        }
        if (*next != ',') {
            return std::nullopt;
        }
        p = next + 1;
    }
    if (count != genes.size()) {
        return std::nullopt;
    }
    return genes;
}

GeneSet startGenes() {
    // The whole part of genePosMax / 2 + 0.5.
    const auto start = static_cast<std::int16_t>(kGenePosMax / 2.0 + 0.5);
    GeneSet genes{};
    genes.fill(start);
    return genes;
}

} // namespace vavivor
