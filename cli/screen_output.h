#pragma once

#include "cli_options.h"
#include "core/picture.h"
#include "core/screen.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace vavivor::cli {

// A screen drawn without a window: in the cell layout one picture, the whole grid screen; in the
// full layout one picture per figure, as the picture area holds it at the figure's print pause.
struct ScreenPictures {
    // A figure's items are [first, end) of pictures[picture].
    struct FigureItems {
        std::size_t picture = 0;
        std::size_t first = 0;
        std::size_t end = 0;
    };

    std::vector<Picture> pictures;
    std::vector<FigureItems> figures; // in the screen's drawing order
};

ScreenPictures drawScreen(const Screen& screen, Layout layout);

// Writes a screen in the options' format to options.output (standard output when empty):
//   genes     one line per figure in drawing order: cell, blank, label, TAB, eight positions
//   segments  per figure a line "# CELL LABEL", then its segments as "x1 y1 x2 y2"
//   svg, png  the grid screen as one file; the full layout one file per figure, numbered by
//             numberedPath
// None of the files written may be one of `inputs`, the files the command read. Returns an exit
// status; a failure is one line on `err`.
int writeScreen(const Screen& screen, const CliOptions& options, std::ostream& out,
                std::ostream& err, const std::vector<std::string>& inputs = {});

// The file of figure `number` (1-based, drawing order) of a full-layout screen: the number with
// two digits goes before the extension, "out/fig.png" -> "out/fig-01.png", "fig" -> "fig-01".
std::string numberedPath(const std::string& path, int number);

} // namespace vavivor::cli
