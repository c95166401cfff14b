#include "picture_export.h"

#include "picture_painter.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

namespace vavivor {

namespace {

QString writeFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2.").arg(path, reason);
}

} // namespace

QImage renderPicture(const Picture& picture, int pixels, bool antialias) {
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPicture(painter, picture, QRectF(0, 0, pixels, pixels), PaintOptions{antialias});
    return image;
}

bool writePicturePng(const Picture& picture, const QString& path, int pixels, QString* error) {
    QImageWriter writer(path, "png");
    if (!writer.write(renderPicture(picture, pixels, true))) {
        *error = writeFailure(path, writer.errorString());
        return false;
    }
    return true;
}

bool writePictureSvg(const Picture& picture, const QString& path, int pixels, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = writeFailure(path, file.errorString());
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(pixels, pixels));
    svg.setViewBox(QRect(0, 0, pixels, pixels));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Vavivor"));
    {
        QPainter painter(&svg);
        painter.fillRect(QRectF(0, 0, pixels, pixels), Qt::white);
        paintPicture(painter, picture, QRectF(0, 0, pixels, pixels), PaintOptions{true});
    }
    if (file.error() != QFileDevice::NoError) {
        *error = writeFailure(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vavivor
