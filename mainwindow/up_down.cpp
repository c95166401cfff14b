#include "up_down.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace vavivor {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    QToolButton* up = arrowButton(Qt::UpArrow, "up");
    QToolButton* down = arrowButton(Qt::DownArrow, "down");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    setFocusPolicy(Qt::StrongFocus);
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void UpDown::setValue(int value) {
    m_value = std::clamp(value, m_minimum, m_maximum);
}

void UpDown::step(int delta) {
    const int next = std::clamp(m_value + delta, m_minimum, m_maximum);
    if (next == m_value) {
        return;
    }
    m_value = next;
    emit stepped(m_value);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        step(1);
        break;
    case Qt::Key_Down:
        step(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void UpDown::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        step(delta > 0 ? 1 : -1);
    }
    event->accept();
}

} // namespace vavivor
