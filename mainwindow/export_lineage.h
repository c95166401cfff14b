#pragma once

#include "core/lineage.h"
#include "core/program_state.h"
#include "core/services.h"

#include <optional>
#include <string>
#include <vector>

namespace vavivor {

enum class LineageFileKind { Gif, Pdf };

inline constexpr const char* kExportLineageTitle = "EXPORT LINEAGE";

// The kind of lineage file that a name asks for by its extension, .gif or .pdf in any case;
// nothing for any other name.
std::optional<LineageFileKind> lineageFileKind(const std::string& path);

// Writes the lineage as an animated GIF or a PDF sheet. Nothing on success, else a sentence
// naming the file and the reason; the file that stood is then left as it was.
std::optional<std::string> writeLineage(const std::vector<LineageStep>& steps,
                                        const std::string& heading, const std::string& path,
                                        LineageFileKind kind);

// File > Export Lineage...: the save dialog, then the lineage of the current screen, from the
// first screen of the run down to it, as the file. A name with another extension is refused
// with a message and the dialog comes again; Cancel saves nothing. Before the first screen
// there is nothing to export, which a message says.
void exportLineage(ProgramState& state, Services& services);

} // namespace vavivor
