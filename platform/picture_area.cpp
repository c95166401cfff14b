#include "picture_area.h"

#include "picture_export.h"
#include "picture_painter.h"
#include "qt_clipboard.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace vavivor {

namespace {

// The size of the picture under the mouse while a figure is dragged.
constexpr int kDragPixmapPixels = 96;

} // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::setScale(double left, double top, double right, double bottom) {
    m_record.setScale(left, top, right, bottom);
}

void PictureArea::setLineWidth(int pixels) {
    m_record.setLineWidth(pixels);
}

void PictureArea::line(double x1, double y1, double x2, double y2, Colour colour) {
    m_record.line(x1, y1, x2, y2, colour);
    changed();
}

void PictureArea::rectangle(double x1, double y1, double x2, double y2, Colour colour) {
    m_record.rectangle(x1, y1, x2, y2, colour);
    changed();
}

void PictureArea::printText(std::string_view text) {
    m_record.printText(text);
    changed();
}

void PictureArea::clear() {
    m_record.clear();
    // The image is whitened, not dropped: a new one costs a page fault for every 4 KiB of it.
    if (!m_image.isNull()) {
        m_image.fill(Qt::white);
    }
    m_painted = 0;
    update();
}

void PictureArea::changed() {
    // Painting happens at the next paint event, so a whole screen of figures is rasterised
    // in one go; one update() for the first item not yet painted asks for it (an update() for
    // every segment of a screen took a third of the time of its drawing).
    if (m_record.picture().items().size() == m_painted + 1) {
        update();
    }
}

const QImage& PictureArea::image() {
    flush();
    return m_image;
}

void PictureArea::flush() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::white);
        m_painted = 0;
    }
    const auto& items = m_record.picture().items();
    if (m_painted == items.size()) {
        return;
    }
    QPainter painter(&m_image);
    paintPicture(painter, m_record.picture(), QRectF(QPointF(0, 0), QSizeF(size())), {}, m_painted);
    m_painted = items.size();
}

void PictureArea::paintEvent(QPaintEvent* /*event*/) {
    flush();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_image);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    m_painted = 0;
    m_image = QImage();
    QWidget::resizeEvent(event);
}

QPointF PictureArea::userPoint(const QPointF& position) const {
    const PictureScale s = m_record.scale();
    return {s.left + position.x() / width() * (s.right - s.left),
            s.top + position.y() / height() * (s.bottom - s.top)};
}

void PictureArea::setDragSource(
    std::function<std::optional<DraggedFigure>(float x, float y)> figureAt) {
    m_figureAt = std::move(figureAt);
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (button == Qt::LeftButton && m_figureAt) {
        m_pressedAt = event->position();
    }
    const QPointF p = userPoint(event->position());
    emit mouseDown(button, event->modifiers(), static_cast<float>(p.x()),
                   static_cast<float>(p.y()));
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressedAt || !event->buttons().testFlag(Qt::LeftButton) ||
        (event->position() - *m_pressedAt).manhattanLength() < QApplication::startDragDistance()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF p = userPoint(*m_pressedAt);
    m_pressedAt.reset();
    const std::optional<DraggedFigure> figure =
        m_figureAt(static_cast<float>(p.x()), static_cast<float>(p.y()));
    if (!figure) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(figureMimeData(figure->text, figure->picture));
    drag->setPixmap(QPixmap::fromImage(renderPicture(figure->picture, kDragPixmapPixels, true)));
    drag->setHotSpot(QPoint(kDragPixmapPixels / 2, kDragPixmapPixels / 2));
    drag->exec(Qt::CopyAction);
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressedAt.reset();
    }
    QWidget::mouseReleaseEvent(event);
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // As before: the other buttons' second press is a press like the first.
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPointF p = userPoint(event->position());
    emit doubleClicked(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

} // namespace vavivor
