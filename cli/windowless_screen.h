#pragma once

#include "cli_options.h"
#include "core/genome.h"
#include "core/picture.h"
#include "core/program_state.h"
#include "core/services.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vavivor::cli {

// One figure of a screen drawn without a window.
struct ScreenFigure {
    int cell = 0; // where the grid layout puts it, 0..24 (also for the full layout)
    std::string label;
    GeneSet genes{};           // the positions it was drawn with
    std::size_t picture = 0;   // index into ScreenDrawing::pictures
    std::size_t firstItem = 0; // its items in that picture are [firstItem, endItem)
    std::size_t endItem = 0;
};

// What a screen drew: in the cell layout one picture, the whole grid screen; in the full layout
// one picture per figure, as the picture stood at the figure's print pause.
struct ScreenDrawing {
    std::vector<Picture> pictures;
    std::vector<ScreenFigure> figures; // in drawing order
};

// The program's state and services for drawing a breeding screen without a window: two
// recording picture areas, a gene editor that only keeps its captions, Auto-Print off, no
// printer, and print pauses that answer Continue after taking a copy of the picture.
class WindowlessScreen {
public:
    explicit WindowlessScreen(Layout layout);
    ~WindowlessScreen();
    WindowlessScreen(const WindowlessScreen&) = delete;
    WindowlessScreen& operator=(const WindowlessScreen&) = delete;

    ProgramState& state();
    Services& services();
    // The positions the gene editor shows, as after the user set them.
    void setEditor(const GeneSet& genes);
    // The next Draw Mutations run uses this seed, as the window's generator would.
    void useSeed(std::uint32_t seed);

    // Runs `draw` (a click handler or a screen of the breeding logic) and returns what it drew.
    ScreenDrawing run(const std::function<void(ProgramState&, Services&)>& draw);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace vavivor::cli
