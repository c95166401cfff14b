#include "keyboard_pick.h"

#include "picture_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace vavivor {

namespace {

// The dashed frame, drawn over the picture without becoming part of it.
class PickCursor : public QWidget {
public:
    PickCursor(PictureArea& area, int gridN, std::function<bool()> gridShown)
        : QWidget(&area), m_area(area), m_gridN(gridN), m_gridShown(std::move(gridShown)),
          m_column(gridN / 2), m_row(gridN / 2) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(area.rect());
        // Reached with Tab; a mouse click does not put a frame where the user did not look.
        area.setFocusPolicy(Qt::TabFocus);
        area.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(m_area.rect());
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            return false;
        case QEvent::KeyPress:
            return keyPressed(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress: {
            // The frame follows a click, so that the keys go on from there.
            const QPointF at = static_cast<QMouseEvent*>(event)->position();
            m_column = std::clamp(static_cast<int>(at.x() * m_gridN / width()), 0, m_gridN - 1);
            m_row = std::clamp(static_cast<int>(at.y() * m_gridN / height()), 0, m_gridN - 1);
            update();
            return false;
        }
        default:
            return false;
        }
    }

    void paintEvent(QPaintEvent* /*event*/) override {
        if (!m_area.hasFocus() || !m_gridShown()) {
            return;
        }
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(cellRect().adjusted(4, 4, -4, -4));
    }

private:
    QRectF cellRect() const {
        const double w = width() / static_cast<double>(m_gridN);
        const double h = height() / static_cast<double>(m_gridN);
        return {m_column * w, m_row * h, w, h};
    }

    bool keyPressed(const QKeyEvent* key) {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            return false;
        }
        int column = m_column;
        int row = m_row;
        switch (key->key()) {
        case Qt::Key_Left:
            column -= 1;
            break;
        case Qt::Key_Right:
            column += 1;
            break;
        case Qt::Key_Up:
            row -= 1;
            break;
        case Qt::Key_Down:
            row += 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return click(Qt::LeftButton);
        case Qt::Key_Escape:
            return click(Qt::RightButton);
        default:
            return false;
        }
        m_column = std::clamp(column, 0, m_gridN - 1);
        m_row = std::clamp(row, 0, m_gridN - 1);
        update();
        return true;
    }

    // A click in the middle of the frame's cell, in the area's user units.
    bool click(Qt::MouseButton button) {
        if (!m_gridShown()) {
            return false;
        }
        const PictureScale s = m_area.scale();
        const QPointF centre = cellRect().center();
        const auto x = static_cast<float>(s.left + centre.x() / width() * (s.right - s.left));
        const auto y = static_cast<float>(s.top + centre.y() / height() * (s.bottom - s.top));
        emit m_area.mouseDown(button, Qt::NoModifier, x, y);
        return true;
    }

    PictureArea& m_area;
    int m_gridN;
    std::function<bool()> m_gridShown;
    int m_column;
    int m_row; // from the top
};

} // namespace

void pickWithKeys(PictureArea& area, int gridN, std::function<bool()> gridShown) {
    new PickCursor(area, gridN, std::move(gridShown));
}

} // namespace vavivor
