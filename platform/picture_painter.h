#pragma once

#include "core/picture.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <cstddef>
#include <limits>

class QPainter;

namespace vavivor {

QColor toQColor(Colour colour);

// The font of picture-area text at the reference width.
QFont pictureFont();

struct PaintOptions {
    bool antialias = false;
    // The thinnest line in pixels of the target, so that a small picture keeps its lines
    // visible; 0 scales every line with the target.
    double minLineWidth = 0.0;
};

// Paints items [from, to) of `picture` into `target`, each in the user scale it was drawn in.
void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target,
                  PaintOptions options = {}, std::size_t from = 0,
                  std::size_t to = std::numeric_limits<std::size_t>::max());

} // namespace vavivor
