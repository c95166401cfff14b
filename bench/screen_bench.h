#pragma once

namespace vavivor {

// The probe of the click benchmark on a 2x screen: this benchmark program started again as
//   vavivor_bench --scaled-click-probe BUTTON
// with QT_SCALE_FACTOR=2 sets up the click on BUTTON and its baseline, writes the device pixel
// ratio of the picture area, then for each line "click" or "bare" on standard input does that
// step once and writes the seconds it took.
bool isScaledClickProbe(int argc, char** argv);
int runScaledClickProbe(int argc, char** argv);

} // namespace vavivor
