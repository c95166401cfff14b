#pragma once

#include <QWidget>

class QToolButton;

namespace vavivor {

// An up/down control: two arrow buttons that step a whole number within a range and stop at
// its ends, without wrapping around. It does not write its buddy label itself: the window
// writes the caption when the control reports a step, and sets the control's value when the
// program writes a caption, so the next step starts from the number shown.
class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    [[nodiscard]] int value() const { return m_value; }
    [[nodiscard]] int minimum() const { return m_minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum);
    // Sets the value, kept within the range, without reporting a step.
    void setValue(int value);

    [[nodiscard]] QToolButton* upButton() const { return m_up; }
    [[nodiscard]] QToolButton* downButton() const { return m_down; }

signals:
    // An arrow or key moved the value. At the ends of the range nothing moves and nothing is
    // reported.
    void stepped(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void step(int delta);

    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_minimum = 1;
    int m_maximum = 9;
    int m_value = 1;
};

} // namespace vavivor
