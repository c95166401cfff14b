#pragma once

#include <QWidget>

namespace vavivor {

// An up/down control: two arrow buttons beside a position box. It keeps no number of its own:
// it reports steps and typed digits, and the window shows the position the program keeps, so
// the next step always starts from the number shown.
class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

signals:
    // An arrow, Up or Down, or the wheel: +1 or -1.
    void stepped(int step);
    // A digit key 1..9; 0 and other keys are not reported.
    void typed(int digit);
    // The copy and paste keys (Ctrl+C, Ctrl+V), which act here before any menu item.
    void copyAsked();
    void pasteAsked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace vavivor
