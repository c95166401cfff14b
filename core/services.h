#pragma once

namespace vavivor {

class Clock;
class Dialogs;
class HelpViewer;
class MainControls;
class PrinterPage;
class RandomSource;

// The outside world of the logic: the window's controls and the platform's services.
// The program wires the Qt implementations, tests wire scripted ones.
struct Services {
    MainControls& controls;
    Dialogs& dialogs;
    PrinterPage& printer;
    HelpViewer& help;
    RandomSource& random;
    Clock& clock;
};

} // namespace vavivor
