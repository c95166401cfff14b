#pragma once

namespace vavivor {

// Lets the window faces of the program ("MS Sans Serif", "Arial") resolve to similar faces
// that a Linux desktop has: Liberation Sans, then DejaVu Sans. Call once after the
// application object exists.
void registerFontSubstitutions();

} // namespace vavivor
