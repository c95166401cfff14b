#pragma once

#include "core/picture.h"
#include "core/program_state.h"
#include "core/services.h"
#include "platform/picture_export.h"

#include <optional>
#include <string>

namespace vavivor {

enum class PictureFileKind { Svg, Png };

inline constexpr const char* kExportTitle = "EXPORT PICTURE";

// The kind of picture file that a name asks for by its extension, .svg or .png in any case;
// nothing for any other name.
std::optional<PictureFileKind> pictureFileKind(const std::string& path);

// What File > Export Picture saves: the visible picture area as it stands, or, when that is
// empty after a full-screen run, the last figure drawn on it; nullptr when there is neither.
const Picture* exportedPicture(const ProgramState& state);

// Writes the picture as an SVG drawing of the picture area's size on screen, or as an
// antialiased PNG of `pixels` square. Nothing on success, else a sentence naming the file and
// the reason.
std::optional<std::string> writeExportedPicture(const Picture& picture, const std::string& path,
                                                PictureFileKind kind, int pixels);

// File > Export Picture...: the save dialog, for a PNG the size, then the file. A name with
// another extension is refused with a message and the dialog comes again; Cancel saves
// nothing.
void exportPicture(ProgramState& state, Services& services);
// The same for a given picture: the closer look's Export.
void exportGivenPicture(const Picture& picture, Services& services);

} // namespace vavivor
