#pragma once

namespace vavivor {

// Lets the window faces of the program ("MS Sans Serif", "Arial") resolve to similar faces
// that a Linux desktop has: Liberation Sans, then DejaVu Sans. Call once after the
// application object exists.
void registerFontSubstitutions();

// Makes the face of the controls the application's font, at the desktop's size, so that the
// menus, the status bar, the dialogs and the help window match the main window's captions.
// Call after registerFontSubstitutions().
void useWindowFace();

} // namespace vavivor
