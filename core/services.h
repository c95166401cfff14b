#pragma once

namespace vavivor {

class Clock;
class Dialogs;
class HelpViewer;
class MainControls;
class PrintDialogs;
class PrinterPage;
class RandomSource;
class RunLog;

// The platform's services: Qt implementations in the program, scripted ones in tests.
struct PlatformServices {
    Dialogs& dialogs;
    PrintDialogs& printDialogs;
    PrinterPage& printer;
    HelpViewer& help;
    RandomSource& random;
    Clock& clock;
    RunLog* runLog = nullptr; // where the run is kept; none in most tests
};

// Everything the logic talks to: the platform's services and the main window's controls.
struct Services : PlatformServices {
    MainControls& controls;
};

} // namespace vavivor
