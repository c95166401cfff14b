#pragma once

namespace vavivor {

// The start-up probe: this benchmark program started again as
//   vavivor_bench --startup-probe program|bare FOLDER START
// starts the whole program (or, for "bare", an empty main window), and at its first painted
// window writes the seconds since START (steady-clock nanoseconds, taken by the parent before
// it started the process) and ends at once. FOLDER is the program folder.
bool isStartUpProbe(int argc, char** argv);
int runStartUpProbe(int argc, char** argv);

} // namespace vavivor
