#pragma once

#include "cli_options.h"
#include "windowless_screen.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vavivor::cli {

// Writes a drawn screen in the options' format to options.output (standard output when empty):
//   genes     one line per figure in drawing order: cell, blank, label, TAB, eight positions
//   segments  per figure a line "# CELL LABEL", then its segments as "x1 y1 x2 y2"
//   svg, png  the grid screen as one file; the full layout one file per figure, numbered by
//             numberedPath
// None of the files written may be one of `inputs`, the files the command read. Returns an exit
// status; a failure is one line on `err`.
int writeScreen(const ScreenDrawing& drawing, const CliOptions& options, std::ostream& out,
                std::ostream& err, const std::vector<std::string>& inputs = {});

// The file of figure `number` (1-based, drawing order) of a full-layout screen: the number with
// two digits goes before the extension, "out/fig.png" -> "out/fig-01.png", "fig" -> "fig-01".
std::string numberedPath(const std::string& path, int number);

} // namespace vavivor::cli
