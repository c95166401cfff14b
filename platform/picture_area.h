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
    // y in user units), or nothing. With it, a left press is reported when the button comes up
    // again, and not at all when the mouse moved beyond the drag distance over a figure: that
    // is a drag, which carries the figure's text, SVG drawing and image.
    void setDragSource(std::function<std::optional<DraggedFigure>(float x, float y)> figureAt);

signals:
    // The left, right or middle mouse button went down (with a drag source: the left button
    // came up without a drag); x and y in the area's user units.
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

    // A left press not reported yet, while a drag source is set.
    struct HeldPress {
        QPointF position;
        Qt::KeyboardModifiers modifiers;
        bool dragTried = false; // the mouse went beyond the drag distance over no figure
    };

    RecordingSurface m_record;
    QImage m_image;
    std::size_t m_painted = 0; // items of m_record already in m_image
    std::function<std::optional<DraggedFigure>(float x, float y)> m_figureAt;
    std::optional<HeldPress> m_held;
};

} // namespace vavivor
