#pragma once

#include "core/clipboard.h"
#include "core/program_state.h"
#include "core/screen.h"
#include "core/services.h"

#include <optional>

namespace vavivor {

inline constexpr const char* kCopyTitle = "COPY";
inline constexpr const char* kPasteTitle = "PASTE GENES";

// The central figure of the screen shown: that of the history's current screen, nothing while
// the picture area in use has shown no screen yet.
std::optional<ScreenFigure> shownCentralFigure(const ProgramState& state);

// The figure in the grid cell under (x, y), in user units of the picture area in use; nothing
// in the full-screen layout, in an empty cell and while the area has shown no screen.
std::optional<ScreenFigure> gridFigureAt(const ProgramState& state, float x, float y);

// The figure that a drag from (x, y) takes: on a grid screen the one under the mouse, in the
// full-screen layout the central figure.
std::optional<ScreenFigure> draggedFigure(const ProgramState& state, float x, float y);

// Puts `figure` on the clipboard: its gene text, and its picture in the full-screen layout.
void copyFigure(const ScreenFigure& figure, Clipboard& clipboard);

// Edit > Copy: the central figure of the screen shown onto the clipboard; before the first
// screen a message says that there is nothing to copy.
void copyCentralFigure(const ProgramState& state, Services& services, Clipboard& clipboard);

// Writes `genes` into the gene editor as a user typing them does; nothing is drawn until a
// DRAW button is pressed. Make Central of the closer look.
void putGenesInEditor(ProgramState& state, Services& services, const GeneSet& genes);

// Edit > Paste Genes: the clipboard's gene text into the gene editor. Any other text, or none,
// changes nothing and a message says why. True when the genes were taken.
bool pasteGenes(ProgramState& state, Services& services, const Clipboard& clipboard);

// Ctrl+C and Ctrl+V in the position box of gene `gene`: the box's position as text, and a
// single position pasted into the box as if its digit were typed; other text is pasted as
// Paste Genes does.
void copyGenePosition(const ProgramState& state, int gene, Clipboard& clipboard);
void pasteGenePosition(ProgramState& state, Services& services, int gene,
                       const Clipboard& clipboard);

} // namespace vavivor
