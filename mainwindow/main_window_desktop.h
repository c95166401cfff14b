#pragma once

#include "core/program_state.h"
#include "core/services.h"

#include <functional>

class QMainWindow;

namespace vavivor {

// The main window's side of the desktop: the tooltips and help topics of its controls, the
// menu shortcuts, the tab order, position boxes that take the keyboard focus and show it, and
// context help (Shift+F1), which calls `showTopic` with the topic asked about.
void fitMainWindowToDesktop(QMainWindow& window, std::function<void(int topic)> showTopic);

// Context help: the help on `topic`, in the help file that the Help menu would open now.
void showHelpTopic(ProgramState& state, Services& services, int topic);

} // namespace vavivor
