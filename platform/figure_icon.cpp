#include "figure_icon.h"

#include "core/figure_picture.h"
#include "picture_export.h"
#include "picture_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <limits>

namespace vavivor {

namespace {

// The card fills the icon but for a small margin; the figure fills the card but for a border.
constexpr double kCardMargin = 1.0 / 32.0;
constexpr double kFigureInset = 0.14;
constexpr double kCornerRadius = 0.16;
// Line width as a share of the icon's size, never below one pixel.
constexpr double kLineShare = 1.0 / 48.0;
// The size the scalable icon's line width is chosen for.
constexpr int kSvgDesignPixels = 128;

const QColor kCardBorder(128, 128, 128);

// The figure's black lines, in a square scale around their extent, so that the figure fills
// whatever square it is painted into.
Picture fittedFigure(const GeneSet& genes) {
    const Picture drawn = figurePicture(genes);
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = maxX;
    for (const PictureItem& item : drawn.items()) {
        if (item.kind != PictureItem::Kind::Line || item.colour != kBlack) {
            continue;
        }
        minX = std::min({minX, item.x1, item.x2});
        maxX = std::max({maxX, item.x1, item.x2});
        minY = std::min({minY, item.y1, item.y2});
        maxY = std::max({maxY, item.y1, item.y2});
    }
    RecordingSurface fitted;
    if (minX > maxX) {
        return fitted.picture();
    }
    const double side = std::max({maxX - minX, maxY - minY, 1.0});
    const double cx = (minX + maxX) / 2;
    const double cy = (minY + maxY) / 2;
    // y grows upwards, as on the picture areas.
    fitted.setScale(cx - side / 2, cy + side / 2, cx + side / 2, cy - side / 2);
    for (const PictureItem& item : drawn.items()) {
        if (item.kind == PictureItem::Kind::Line && item.colour == kBlack) {
            fitted.line(item.x1, item.y1, item.x2, item.y2, kBlack);
        }
    }
    return fitted.picture();
}

void paintIcon(QPainter& painter, const GeneSet& genes, double pixels) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double margin = pixels * kCardMargin;
    const QRectF card(margin, margin, pixels - 2 * margin, pixels - 2 * margin);
    const double border = std::max(1.0, pixels / 64.0);
    QPainterPath outline;
    outline.addRoundedRect(card.adjusted(border / 2, border / 2, -border / 2, -border / 2),
                           card.width() * kCornerRadius, card.height() * kCornerRadius);
    painter.setPen(QPen(kCardBorder, border));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);

    const double inset = card.width() * kFigureInset;
    const QRectF figure = card.adjusted(inset, inset, -inset, -inset);
    paintPicture(painter, fittedFigure(genes), figure,
                 PaintOptions{true, std::max(1.0, pixels * kLineShare)});
}

} // namespace

QImage figureIconImage(const GeneSet& genes, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, genes, pixels);
    return image;
}

bool writeFigureIconPng(const GeneSet& genes, const QString& path, int pixels, QString* error) {
    return writePngImage(figureIconImage(genes, pixels), path, error);
}

bool writeFigureIconSvg(const GeneSet& genes, const QString& path, QString* error) {
    return writeSvgDrawing(
        path, kSvgDesignPixels,
        [&](QPainter& painter) { paintIcon(painter, genes, kSvgDesignPixels); }, error);
}

} // namespace vavivor
