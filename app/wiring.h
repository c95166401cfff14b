#pragma once

namespace vavivor {

class ZelMain;

// Connects every subsystem's controls to the main window: the breeding buttons and the mouse,
// the printing commands and windows, the storage commands and windows.
void wireProgram(ZelMain& window);

} // namespace vavivor
