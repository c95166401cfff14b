#include "picture_painter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>
#include <vector>

namespace vavivor {

namespace {

constexpr double kPictureFontPoints = 8.25;
constexpr double kScreenDpi = 96.0;

class Mapper {
public:
    Mapper(const Picture& picture, const QRectF& target) : m_picture(picture), m_target(target) {}

    QPointF map(const PictureItem& item, double x, double y) const {
        const PictureScale& s = m_picture.scales()[item.scale];
        return {m_target.left() + (x - s.left) / (s.right - s.left) * m_target.width(),
                m_target.top() + (y - s.top) / (s.bottom - s.top) * m_target.height()};
    }

private:
    const Picture& m_picture;
    QRectF m_target;
};

} // namespace

QColor toQColor(Colour colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

QFont pictureFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(kPictureFontPoints);
    return font;
}

void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target,
                  PaintOptions options, std::size_t from, std::size_t to) {
    const auto& items = picture.items();
    to = std::min(to, items.size());
    if (from >= to) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, options.antialias);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const double factor = target.width() / kPictureReferencePixels;
    // The text keeps its size relative to the picture whatever the device's resolution.
    QFont font = pictureFont();
    const int dpi = painter.device()->logicalDpiY();
    font.setPointSizeF(font.pointSizeF() * factor * kScreenDpi / (dpi > 0 ? dpi : kScreenDpi));
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();

    const Mapper mapper(picture, target);
    std::vector<QLineF> batch;
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    bool havePen = false;
    auto flush = [&] {
        if (!batch.empty()) {
            painter.drawLines(batch.data(), static_cast<int>(batch.size()));
            batch.clear();
        }
    };
    auto usePen = [&](const PictureItem& item) {
        const QColor colour = toQColor(item.colour);
        const double width = item.lineWidth * factor;
        if (!havePen || pen.color() != colour || pen.widthF() != width) {
            flush();
            pen.setColor(colour);
            pen.setWidthF(width);
            painter.setPen(pen);
            havePen = true;
        }
    };

    for (std::size_t i = from; i < to; ++i) {
        const PictureItem& item = items[i];
        switch (item.kind) {
        case PictureItem::Kind::Line:
            usePen(item);
            batch.emplace_back(mapper.map(item, item.x1, item.y1),
                               mapper.map(item, item.x2, item.y2));
            break;
        case PictureItem::Kind::Rectangle:
            usePen(item);
            flush();
            painter.drawRect(
                QRectF(mapper.map(item, item.x1, item.y1), mapper.map(item, item.x2, item.y2))
                    .normalized());
            break;
        case PictureItem::Kind::Text: {
            flush();
            const QPointF at = mapper.map(item, item.x1, item.y1);
            painter.setPen(toQColor(item.colour));
            havePen = false;
            painter.drawText(QPointF(at.x(), at.y() + ascent),
                             QString::fromStdString(picture.texts()[item.text]));
            break;
        }
        }
    }
    flush();
    painter.restore();
}

} // namespace vavivor
