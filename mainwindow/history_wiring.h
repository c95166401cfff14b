#pragma once

namespace vavivor {

class MainWindow;

// Connects the Go menu (Back, Forward, Family Tree) and the mouse's back and forward buttons
// over the main window and the family tree to the history of screens, and keeps the family
// tree up to date.
void connectHistory(MainWindow& window);

} // namespace vavivor
