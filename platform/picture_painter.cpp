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

// Maps user units to the target. Each scale becomes a factor and an offset per axis once, as
// a screen maps some hundred thousand points.
class Mapper {
public:
    Mapper(const Picture& picture, const QRectF& target) {
        for (const PictureScale& s : picture.scales()) {
            const double kx = target.width() / (s.right - s.left);
            const double ky = target.height() / (s.bottom - s.top);
            m_scales.push_back({kx, target.left() - s.left * kx, ky, target.top() - s.top * ky});
        }
    }

    QPointF map(const PictureItem& item, double x, double y) const {
        const Linear& m = m_scales[item.scale];
        return {m.kx * x + m.dx, m.ky * y + m.dy};
    }

private:
    struct Linear {
        double kx;
        double dx;
        double ky;
        double dy;
    };
    std::vector<Linear> m_scales;
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
    Colour penColour = kBlack;
    auto flush = [&] {
        if (!batch.empty()) {
            painter.drawLines(batch.data(), static_cast<int>(batch.size()));
            batch.clear();
        }
    };
    // The pen's colour is compared as a number: a QColor made for every segment of a screen
    // costs more than its line.
    auto usePen = [&](const PictureItem& item) {
        const double width = std::max(item.lineWidth * factor, options.minLineWidth);
        if (!havePen || penColour != item.colour || pen.widthF() != width) {
            flush();
            pen.setColor(toQColor(item.colour));
            pen.setWidthF(width);
            painter.setPen(pen);
            penColour = item.colour;
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
