#pragma once

#include "core/random_source.h"
#include "main_window.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_help_viewer.h"
#include "platform/qt_printer_page.h"
#include "platform/system_clock.h"
#include "printing/ui/qt_print_dialogs.h"

#include <string>

namespace vavivor {

// Connects every subsystem's controls to the main window: the breeding buttons and the mouse,
// the printing commands and windows, the storage commands and windows.
void wireProgram(MainWindow& window);

// The main window on the program's Qt services, wired (wireProgram) and ready to start up.
// Set the window face (platform/fonts.h) before making it.
struct QtProgram {
    QtProgram();

    QtDialogs dialogs;
    QtPrinterPage printer;
    QtPrintDialogs printDialogs{printer};
    QtHelpViewer help;
    TwisterRandom random;
    SystemClock clock;
    MainWindow window{PlatformServices{dialogs, printDialogs, printer, help, random, clock}};
};

// The program on the Qt services: builds and wires the main window, starts it up, shows it and
// runs the event loop until the program ends; returns the loop's exit code. An empty
// programFolder keeps the usual program folder. A storageFile (the file the program was opened
// with) is made the current storage file once the window is up, as File > Change Storage file
// would, and its catalogue shown. Needs a QApplication.
int runProgram(const std::string& programFolder = {}, const std::string& storageFile = {});

} // namespace vavivor
