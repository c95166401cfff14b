#pragma once

#include <QStringList>
#include <span>

class QObject;

namespace vavivor {

// What a window tells about one of its controls (a widget or a menu item, by objectName): the
// tooltip, and the number of its help topic for context help (0: none).
struct ControlNote {
    const char* name;
    const char* toolTip;
    int helpTopic = 0;
};

// The property that carries a control's help topic number.
inline constexpr const char* kHelpTopicProperty = "helpTopic";

// Gives the named children of `window` their tooltips and help topics. Menus that hold a noted
// item show the items' tooltips. Returns the names that `window` does not have.
QStringList noteControls(QObject& window, std::span<const ControlNote> notes);

} // namespace vavivor
