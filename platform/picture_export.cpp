#include "picture_export.h"

#include "picture_painter.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace vavivor {

namespace {

QString writeFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2.").arg(path, reason);
}

// The SVG generator names the painter's face alone ("MS Sans Serif"), which other programs
// rarely have; a generic family after each face lets them show the text in a sans face.
QByteArray withSansFallback(const QByteArray& svg) {
    static const QRegularExpression face(QStringLiteral("font-family=\"([^\",]*)\""));
    return QString::fromUtf8(svg)
        .replace(face, QStringLiteral("font-family=\"\\1, sans-serif\""))
        .toUtf8();
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
    return writePngImage(renderPicture(picture, pixels, true), path, error);
}

bool writePictureSvg(const Picture& picture, const QString& path, int pixels, QString* error) {
    return writeSvgDrawing(
        path, pixels,
        [&](QPainter& painter) {
            painter.fillRect(QRectF(0, 0, pixels, pixels), Qt::white);
            paintPicture(painter, picture, QRectF(0, 0, pixels, pixels), PaintOptions{true});
        },
        error);
}

bool writePngImage(const QImage& image, const QString& path, QString* error) {
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        *error = writeFailure(path, writer.errorString());
        return false;
    }
    return true;
}

bool writeSvgDrawing(const QString& path, int pixels, const std::function<void(QPainter&)>& paint,
                     QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = writeFailure(path, file.errorString());
        return false;
    }
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&drawing);
    svg.setSize(QSize(pixels, pixels));
    svg.setViewBox(QRect(0, 0, pixels, pixels));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Vavivor"));
    {
        QPainter painter(&svg);
        paint(painter);
    }
    const QByteArray bytes = withSansFallback(drawing.data());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = writeFailure(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vavivor
