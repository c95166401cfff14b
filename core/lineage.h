#pragma once

#include "gene_set.h"
#include "history.h"

#include <string>
#include <vector>

namespace vavivor {

// One screen on the way from the first screen of the run to a later one.
struct LineageStep {
    int step = 0;    // 1 for the first screen
    int entry = 0;   // its index in the history
    GeneSet genes{}; // its central figure
    // How that central figure was reached from the screen before: "start", the label of the
    // mutant picked ("G3 -1", "V 7"), "picked from relatives", "same central figure",
    // "record 7 of figures.zlr" for a loaded record, or "set in the gene editor".
    std::string how;
};

// The steps from the first screen down to history entry `index`, first one first; empty for an
// index that is no entry.
std::vector<LineageStep> lineageSteps(const HistoryState& history, int index);

} // namespace vavivor
