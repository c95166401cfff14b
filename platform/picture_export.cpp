#include "picture_export.h"

#include "picture_painter.h"
#include "whole_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace vavivor {

namespace {

QString writeFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Could not write %1: %2.").arg(path, reason);
}

} // namespace

QByteArray withSansFallback(const QByteArray& svg) {
    static const QRegularExpression face(QStringLiteral("font-family=\"([^\",]*)\""));
    return QString::fromUtf8(svg)
        .replace(face, QStringLiteral("font-family=\"\\1, sans-serif\""))
        .toUtf8();
}

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    // Where the folder takes no new file (a folder that may not be written, /proc/self/fd), a
    // file that exists is written in place, with the same checks, as QSaveFile's direct-write
    // fallback does.
    WholeFile file;
    const bool created =
        file.create(path, WholeFile::Placement::Beside) ||
        (QFileInfo::exists(path) && file.create(path, WholeFile::Placement::InPlace));
    if (created) {
        // A failed write is kept by the file, which names its reason when committed.
        static_cast<void>(file.write(bytes));
        if (file.commit()) {
            return true;
        }
    }
    *error = writeFailure(path, QString::fromStdString(file.reason()));
    return false;
}

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
    return writeFileWhole(path, pictureSvg(picture, pixels), error);
}

QByteArray pictureSvg(const Picture& picture, int pixels) {
    return svgDrawing(pixels, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, pixels, pixels), Qt::white);
        paintPicture(painter, picture, QRectF(0, 0, pixels, pixels), PaintOptions{true});
    });
}

bool writePngImage(const QImage& image, const QString& path, QString* error) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(image)) {
        *error = writeFailure(path, writer.errorString());
        return false;
    }
    return writeFileWhole(path, png.data(), error);
}

bool writeSvgDrawing(const QString& path, int pixels, const std::function<void(QPainter&)>& paint,
                     QString* error) {
    return writeFileWhole(path, svgDrawing(pixels, paint), error);
}

QByteArray svgDrawing(int pixels, const std::function<void(QPainter&)>& paint) {
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
    return withSansFallback(drawing.data());
}

} // namespace vavivor
