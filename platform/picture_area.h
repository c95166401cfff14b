#pragma once

#include "core/picture.h"

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vavivor {

// What a drag out of a picture area carries: a figure's gene text and its picture.
struct DraggedFigure {
    std::string text;
    Picture picture;
};

// A picture area of the main window: a white widget that keeps what is drawn on it as a
// persistent image, shown again unchanged after being hidden or covered.
class PictureArea : public QWidget, public DrawingSurface {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    void setScale(double left, double top, double right, double bottom) override;
    void setLineWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2, Colour colour) override;
    void rectangle(double x1, double y1, double x2, double y2, Colour colour) override;
    void printText(std::string_view text) override;
    void clear() override;
    [[nodiscard]] const Picture& picture() const override { return m_record.picture(); }
    // The user scale that mouse positions are reported in.
    [[nodiscard]] PictureScale scale() const { return m_record.scale(); }

    // The image as it stands now, at the screen's device pixel ratio.
    [[nodiscard]] const QImage& image();

    // Lets figures be dragged out of the area: `figureAt` names the figure under a press (x and
    // y in user units), or nothing. A left press that moves beyond the drag distance over a
    // figure drags it, carrying the figure's text, SVG drawing and image; the press itself is
    // reported as any other.
    void setDragSource(std::function<std::optional<DraggedFigure>(float x, float y)> figureAt);

signals:
    // The left, right or middle mouse button went down; x and y in the area's user units.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);
    // A double click with the left button. Its second press is reported only here.
    void doubleClicked(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void flush();
    void changed();
    // A position in the widget in the user scale of the picture.
    [[nodiscard]] QPointF userPoint(const QPointF& position) const;

    RecordingSurface m_record;
    QImage m_image;
    std::size_t m_painted = 0; // items of m_record already in m_image
    std::function<std::optional<DraggedFigure>(float x, float y)> m_figureAt;
    std::optional<QPointF> m_pressedAt; // a left press from which a drag may still begin
};

} // namespace vavivor
