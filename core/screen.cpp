#include "screen.h"

#include "random_source.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vavivor {

namespace {

constexpr std::array<int, kGeneCount> kPlusCells{0, 1, 2, 3, 4, 9, 14, 19};

// The last part of a path: the storage file as the status bar names it.
std::string fileName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// A step as the relatives' labels write it.
const char* stepText(int dir) {
    return dir > 0 ? "+1" : "-1";
}

// The central figure in cell 0, then rows 1..24 of the chain in cells 1..24, labelled "V k".
Screen sequenceScreen(ScreenKind kind, const GeneSet& central, const MutantTable& chain) {
    Screen screen;
    screen.kind = kind;
    screen.central = central;
    screen.chain = chain;
    screen.figures.reserve(kCellCount);
    screen.figures.push_back({0, central, "Orig.", 0});
    for (int k = 1; k < kCellCount; ++k) {
        std::string label = "V ";
        label += std::to_string(k);
        screen.figures.push_back({k, chain[k], std::move(label), 0});
    }
    return screen;
}

} // namespace

std::string mutateChain(MutantTable& chain, int k, RandomSource& random) {
    const double u1 = random.next();
    const double u2 = random.next();
    // A source that strays outside [0, 1) must not reach outside the gene table.
    const int g = std::clamp(static_cast<int>(std::floor(u1 * kGeneCount)), 0, kGeneCount - 1);
    const int s = u2 < 0.5 ? -1 : 1; // 2 * floor(2 * u2) - 1 for u2 in [0, 1)
    chain[k][g] = clampPos(chain[k][g], s);
    // The later rows follow, so that rows k..24 always hold the chain as far as it has grown.
    for (int m = k + 1; m < kCellCount; ++m) {
        chain[m][g] = chain[k][g];
    }
    std::string label = "G";
    label += std::to_string(g + 1);
    label += ' ';
    label += std::to_string(s);
    return label;
}

Screen mutationScreen(const GeneSet& central, RandomSource& random) {
    MutantTable chain;
    chain.fill(central);
    std::array<std::string, kCellCount> labels;
    for (int k = 1; k < kCellCount; ++k) {
        labels[k] = mutateChain(chain, k, random);
    }
    Screen screen = sequenceScreen(ScreenKind::Mutations, central, chain);
    for (int k = 1; k < kCellCount; ++k) {
        screen.figures[k].label = std::move(labels[k]);
        screen.figures[k].number = k;
    }
    return screen;
}

Screen relativesScreen(const GeneSet& central) {
    Screen screen;
    screen.kind = ScreenKind::Relatives;
    screen.central = central;
    screen.figures.reserve(2 * kGeneCount + 1);
    screen.figures.push_back({kCentreCell, central, "Orig.", 0});
    for (int g = 0; g < kGeneCount; ++g) {
        for (const int dir : {1, -1}) {
            GeneSet genes = central;
            genes[g] = clampPos(central[g], dir);
            std::string label = "G";
            label += std::to_string(g + 1);
            label += ' ';
            label += stepText(dir);
            screen.figures.push_back({relativeCell(g, dir), genes, std::move(label), 0});
        }
    }
    return screen;
}

Screen reviewScreen(const GeneSet& central, const MutantTable& chain) {
    return sequenceScreen(ScreenKind::Review, central, chain);
}

int relativeCell(int gene, int dir) {
    const int plus = kPlusCells[static_cast<std::size_t>(gene)];
    return dir > 0 ? plus : kCellCount - 1 - plus;
}

std::string screenName(const Screen& screen) {
    if (screen.recordNumber > 0) {
        return "record " + std::to_string(screen.recordNumber) + " of " + fileName(screen.store);
    }
    switch (screen.kind) {
    case ScreenKind::Mutations:
        return screen.seed ? "DRAW MUTATIONS, seed " + std::to_string(*screen.seed)
                           : std::string("DRAW MUTATIONS");
    case ScreenKind::Review:
        return "REVIEW MUTATIONS";
    case ScreenKind::Relatives:
        break;
    }
    return "DRAW RELATIVES";
}

std::string screenStatus(const Screen& screen) {
    if (screen.recordNumber > 0) {
        return "Record " + std::to_string(screen.recordNumber) + " of " + fileName(screen.store) +
               ".";
    }
    switch (screen.kind) {
    case ScreenKind::Mutations:
        return screen.seed ? "Seed " + std::to_string(*screen.seed)
                           : std::string("DRAW MUTATIONS: a chain of 24 mutants.");
    case ScreenKind::Review:
        return "REVIEW MUTATIONS: the last chain of mutants again.";
    case ScreenKind::Relatives:
        break;
    }
    return "DRAW RELATIVES: the central figure and its 16 single-gene relatives.";
}

} // namespace vavivor
