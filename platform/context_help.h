#pragma once

#include <QObject>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

namespace vavivor {

// Context help for one window and the windows it owns. Shift+F1 enters What's This mode; then
// a click on a control or menu item opens the help on that control's topic, and so do Enter
// and a second Shift+F1 for the control that has the keyboard focus. Shift+F1 in an open menu
// asks about the highlighted item. The topic is the "helpTopic" property of the control, of
// its label's buddy, or of the nearest enclosing widget that has one.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    using ShowTopic = std::function<void(int topic)>;

    // Watches the events of `root`'s windows from now on, until `root` is gone.
    ContextHelp(QWidget& root, ShowTopic showTopic);

    // The help topic of a widget or menu item, 0 when it has none.
    static int topicOf(const QObject* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool belongsToRoot(const QWidget* widget) const;
    bool handleKey(QWidget* widget, QKeyEvent* key);
    bool answer(int topic);

    QWidget& m_root;
    ShowTopic m_showTopic;
    int m_swallowKey = 0; // a key whose press was answered as a shortcut override
};

} // namespace vavivor
