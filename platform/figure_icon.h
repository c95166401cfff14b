#pragma once

#include "core/genome.h"

#include <QImage>
#include <QString>

namespace vavivor {

// The figure of the program's icon: a small tree with wings, readable down to 16 pixels.
inline constexpr GeneSet kIconGenes{4, 3, 5, 5, 6, 5, 5, 3};

// The program's icon: the figure of `genes` alone, drawn by the renderer and fitted on a white
// card with rounded corners, its lines thick enough to stay visible at 16 pixels.
QImage figureIconImage(const GeneSet& genes, int pixels);

// The same icon as a PNG of `pixels` square or as an SVG drawing. On failure returns false and
// sets `error` to a sentence naming the file and the reason.
bool writeFigureIconPng(const GeneSet& genes, const QString& path, int pixels, QString* error);
bool writeFigureIconSvg(const GeneSet& genes, const QString& path, QString* error);

} // namespace vavivor
