#pragma once

#include <QWidget>

namespace vavivor {

// An up/down control: two arrow buttons that step a whole number within a range and stop at
// its ends, without wrapping around. It does not write its buddy label itself: the window
// writes the caption when the control reports a step, and sets the control's value when the
// program writes a caption, so the next step starts from the number shown.
class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    // Sets the value, kept within the range, without reporting a step.
    void setValue(int value);

signals:
    // An arrow or key moved the value. At the ends of the range nothing moves and nothing is
    // reported.
    void stepped(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void step(int delta);

    int m_minimum = 1;
    int m_maximum = 9;
    int m_value = 1;
};

} // namespace vavivor
