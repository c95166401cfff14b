#include "up_down.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

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
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

bool UpDown::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyAsked();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteAsked();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        emit stepped(1);
        break;
    case Qt::Key_Down:
        emit stepped(-1);
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
    case Qt::Key_6:
    case Qt::Key_7:
    case Qt::Key_8:
    case Qt::Key_9:
        emit typed(event->key() - Qt::Key_0);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void UpDown::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        emit stepped(delta > 0 ? 1 : -1);
    }
    event->accept();
}

} // namespace vavivor
