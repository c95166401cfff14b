#pragma once

namespace vavivor {

class MainWindow;

// Keeps the run in a run file of the runs folder under the program folder as it is bred, and
// connects Go > Earlier Runs, which lists the runs kept and opens or deletes one.
void connectRuns(MainWindow& window);

} // namespace vavivor
