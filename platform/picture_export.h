#pragma once

#include "core/picture.h"

#include <QImage>
#include <QString>

namespace vavivor {

// The picture on white at `pixels` square.
QImage renderPicture(const Picture& picture, int pixels, bool antialias);

// Writes the picture as a PNG of `pixels` square or as an SVG drawing, on white. On failure
// returns false and sets `error` to a sentence naming the file and the reason.
bool writePicturePng(const Picture& picture, const QString& path, int pixels, QString* error);
bool writePictureSvg(const Picture& picture, const QString& path, int pixels, QString* error);

} // namespace vavivor
