#pragma once

#include "core/picture.h"

#include <QImage>
#include <QString>
#include <functional>

class QPainter;

namespace vavivor {

// The sizes a PNG of a picture may have, in pixels square.
inline constexpr int kMinPicturePixels = 16;
inline constexpr int kMaxPicturePixels = 8192;
// The size of a PNG that File > Export Picture offers, and of the image of a copied figure.
inline constexpr int kExportPngPixels = 2000;

// The picture on white at `pixels` square.
QImage renderPicture(const Picture& picture, int pixels, bool antialias);

// Writes the picture as a PNG of `pixels` square or as an SVG drawing, on white. On failure
// returns false and sets `error` to a sentence naming the file and the reason.
bool writePicturePng(const Picture& picture, const QString& path, int pixels, QString* error);
bool writePictureSvg(const Picture& picture, const QString& path, int pixels, QString* error);
// The SVG drawing that writePictureSvg writes.
QByteArray pictureSvg(const Picture& picture, int pixels);

// An SVG drawing whose every font family is followed by a generic sans family, so that other
// programs show text in a sans face when they lack the named one.
QByteArray withSansFallback(const QByteArray& svg);

// Writes `bytes` as the file `path` whole or not at all: the file under its name only once every
// byte reached the disk; on failure the old file stays and `error` names the file and reason.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error);

// The two writers beneath: an image as a PNG file, and what `paint` draws on a page of `pixels`
// square as an SVG drawing; failures as above.
bool writePngImage(const QImage& image, const QString& path, QString* error);
bool writeSvgDrawing(const QString& path, int pixels, const std::function<void(QPainter&)>& paint,
                     QString* error);
QByteArray svgDrawing(int pixels, const std::function<void(QPainter&)>& paint);

} // namespace vavivor
