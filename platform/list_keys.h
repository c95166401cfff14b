#pragma once

class QListView;

namespace vavivor {

// Arrow keys on a list with nothing selected select its first (Down) or last (Up) line in view,
// as in a classic list box; from there on they move the selection as usual.
void selectWithArrows(QListView& list);

} // namespace vavivor
