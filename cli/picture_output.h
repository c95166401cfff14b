#pragma once

#include "cli_options.h"
#include "core/picture.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <limits>
#include <string>

namespace vavivor::cli {

// One line "x1 y1 x2 y2" (four decimals) for each black line among items [from, to).
void writeSegments(const Picture& picture, std::ostream& out, std::size_t from = 0,
                   std::size_t to = std::numeric_limits<std::size_t>::max());

// Writes the picture to `path` as the options' format (svg or png, `size` pixels, 1000 unless
// --size says otherwise). Returns an exit status; a failure is one line on `err`.
int writePictureFile(const Picture& picture, const CliOptions& options, const std::string& path,
                     std::ostream& err);

// Hands `write` a new file that takes the place of `path` once it is whole, or `out` for an
// empty path (whether standard output took it all is checked as the program ends). Returns an
// exit status.
int withTextOutput(const std::string& path, std::ostream& out, std::ostream& err,
                   const std::function<void(std::ostream&)>& write);

} // namespace vavivor::cli
