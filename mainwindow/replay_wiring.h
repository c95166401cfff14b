#pragma once

namespace vavivor {

class MainWindow;

// Connects Go > Replay Lineage: a bar in the status bar with the pace, PAUSE/RESUME, STEP and
// STOP, a timer that shows the steps, and Esc, which stops. While a replay runs, everything that
// would change the screen is disabled: the operation buttons, the gene arrows, the picture
// areas, every menu item but Close and the Help menu, and the family tree. Stopping, reaching
// the end and closing the window end the replay and give back what was shown before.
void connectReplay(MainWindow& window);

} // namespace vavivor
