#include "context_help.h"

#include "control_notes.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWhatsThis>

namespace vavivor {

namespace {

int ownTopic(const QObject* object) {
    return object->property(kHelpTopicProperty).toInt();
}

bool isWhatsThisKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::WhatsThis);
}

bool isEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// The item a menu is asked about: the highlighted one, else the menu itself.
const QAction* menuItem(const QMenu& menu) {
    return menu.activeAction() != nullptr ? menu.activeAction() : menu.menuAction();
}

} // namespace

ContextHelp::ContextHelp(QWidget& root, ShowTopic showTopic)
    : QObject(&root), m_root(root), m_showTopic(std::move(showTopic)) {
    // Windows are made on first use, so the watch is on the whole application; events of
    // other windows are let through untouched.
    qApp->installEventFilter(this);
}

int ContextHelp::topicOf(const QObject* control) {
    if (control == nullptr) {
        return 0;
    }
    if (const int topic = ownTopic(control); topic != 0) {
        return topic;
    }
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy()) {
        return topicOf(label->buddy());
    }
    for (; widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
        if (const int topic = ownTopic(widget); topic != 0) {
            return topic;
        }
    }
    return 0;
}

bool ContextHelp::belongsToRoot(const QWidget* widget) const {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == &m_root) {
            return true;
        }
    }
    return false;
}

bool ContextHelp::answer(int topic) {
    if (topic == 0) {
        return false;
    }
    closeMenus();
    QWhatsThis::leaveWhatsThisMode();
    m_showTopic(topic);
    return true;
}

bool ContextHelp::handleKey(QWidget* widget, QKeyEvent* key) {
    auto* menu = qobject_cast<QMenu*>(widget);
    const bool asking = QWhatsThis::inWhatsThisMode();
    if (isWhatsThisKey(key) && menu != nullptr) {
        return answer(topicOf(menuItem(*menu)));
    }
    if (asking && (isWhatsThisKey(key) || isEnterKey(key))) {
        const QObject* asked = widget;
        if (menu != nullptr) {
            asked = menuItem(*menu);
        }
        return answer(topicOf(asked));
    }
    // Entered on the press itself: the mode ends at the first key press it sees.
    if (!asking && isWhatsThisKey(key) && key->type() == QEvent::KeyPress) {
        QWhatsThis::enterWhatsThisMode();
        return true;
    }
    return false;
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    // The press of a key that was answered as a shortcut override goes no further, wherever
    // the focus has gone meanwhile.
    if (m_swallowKey != 0 && event->type() == QEvent::KeyPress) {
        const bool answered = static_cast<QKeyEvent*>(event)->key() == m_swallowKey;
        m_swallowKey = 0;
        if (answered) {
            return true;
        }
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !belongsToRoot(widget)) {
        return false;
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // What's This mode takes every key press for itself; the override comes before it.
        if (!handleKey(widget, key)) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            m_swallowKey = key->key();
        }
        event->accept();
        return true;
    }
    case QEvent::QueryWhatsThis:
        event->setAccepted(topicOf(widget) != 0);
        return event->isAccepted();
    case QEvent::WhatsThis:
        event->setAccepted(answer(topicOf(widget)));
        return event->isAccepted();
    case QEvent::MouseButtonRelease: {
        // Menus and the menu bar see What's This mode through their own eyes: a menu would show
        // an empty note, the menu bar would carry out an item that opens no menu.
        if (!QWhatsThis::inWhatsThisMode()) {
            return false;
        }
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QAction* item = nullptr;
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            item = menu->actionAt(at);
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            item = bar->actionAt(at);
            if (item != nullptr && item->menu() != nullptr) {
                return false; // it opens its menu, where the question goes on
            }
        }
        return item != nullptr && answer(topicOf(item));
    }
    default:
        return false;
    }
}

} // namespace vavivor
