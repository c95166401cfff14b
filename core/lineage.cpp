#include "lineage.h"

#include <algorithm>

namespace vavivor {

namespace {

// How `screen`'s central figure came from `before`, the screen it was bred from.
std::string howReached(const Screen& screen, const Screen& before) {
    if (screen.recordNumber > 0) {
        return screenName(screen);
    }
    if (screen.central == before.central) {
        return "same central figure";
    }
    const auto& figures = before.figures;
    const auto picked = std::find_if(figures.begin(), figures.end(), [&](const ScreenFigure& f) {
        return f.genes == screen.central;
    });
    if (picked == figures.end()) {
        return "set in the gene editor";
    }
    return before.kind == ScreenKind::Relatives ? std::string("picked from relatives")
                                                : picked->label;
}

} // namespace

std::vector<LineageStep> lineageSteps(const HistoryState& history, int index) {
    std::vector<LineageStep> steps;
    if (index < 0 || index >= history.size()) {
        return steps;
    }
    const std::vector<int> line = history.lineage(index);
    steps.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const Screen& screen = history.entry(line[i]).screen;
        std::string how;
        if (i > 0) {
            how = howReached(screen, history.entry(line[i - 1]).screen);
        } else {
            // A run may start from a loaded record, which is worth naming.
            how = screen.recordNumber > 0 ? screenName(screen) : std::string("start");
        }
        steps.push_back({static_cast<int>(i) + 1, line[i], screen.central, std::move(how)});
    }
    return steps;
}

} // namespace vavivor
