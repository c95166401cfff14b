#include "qt_clipboard.h"

#include "picture_export.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cmath>

namespace vavivor {

QMimeData* figureMimeData(const std::string& text, const Picture& picture) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setData(QLatin1String(kSvgMimeType),
                  pictureSvg(picture, static_cast<int>(std::lround(kPictureReferencePixels))));
    data->setImageData(renderPicture(picture, kExportPngPixels, true));
    return data;
}

void QtClipboard::putFigure(const std::string& text, const Picture& picture) {
    QGuiApplication::clipboard()->setMimeData(figureMimeData(text, picture));
}

void QtClipboard::putText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::optional<std::string> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

} // namespace vavivor
