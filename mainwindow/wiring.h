#pragma once

#include <string>

namespace vavivor {

class MainWindow;

// Connects every subsystem's controls to the main window: the breeding buttons and the mouse,
// the printing commands and windows, the storage commands and windows.
void wireProgram(MainWindow& window);

// The program on the Qt services: builds and wires the main window, starts it up, shows it and
// runs the event loop until the program ends; returns the loop's exit code. An empty
// programFolder keeps the usual program folder. A storageFile (the file the program was opened
// with) is made the current storage file once the window is up, as File > Change Storage file
// would, and its catalogue shown. Needs a QApplication.
int runProgram(const std::string& programFolder = {}, const std::string& storageFile = {});

} // namespace vavivor
