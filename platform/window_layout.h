#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace vavivor {

// The windows are laid out in twips, 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

// The window face "MS Sans Serif" (a similar face where it is missing) at `points`. The size is
// converted at 96 dots per inch into pixels, the unit of the layout, so captions keep their
// proportion to the boxes whatever the desktop's font resolution.
QFont windowFont(double points, bool bold = false);

} // namespace vavivor
