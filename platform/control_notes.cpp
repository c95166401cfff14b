#include "control_notes.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace vavivor {

QStringList noteControls(QObject& window, std::span<const ControlNote> notes) {
    QStringList missing;
    for (const ControlNote& note : notes) {
        const QString name = QLatin1String(note.name);
        const QString tip = QString::fromUtf8(note.toolTip);
        QObject* control = nullptr;
        if (auto* menu = window.findChild<QMenu*>(name)) {
            // A menu is asked about through its title in the menu bar.
            menu->setToolTip(tip);
            menu->menuAction()->setToolTip(tip);
            control = menu->menuAction();
        } else if (auto* widget = window.findChild<QWidget*>(name)) {
            widget->setToolTip(tip);
            control = widget;
        } else if (auto* action = window.findChild<QAction*>(name)) {
            action->setToolTip(tip);
            for (QObject* holder : action->associatedObjects()) {
                if (auto* menu = qobject_cast<QMenu*>(holder)) {
                    menu->setToolTipsVisible(true);
                }
            }
            control = action;
        } else {
            missing << name;
            continue;
        }
        if (note.helpTopic != 0) {
            control->setProperty(kHelpTopicProperty, note.helpTopic);
        }
    }
    return missing;
}

} // namespace vavivor
