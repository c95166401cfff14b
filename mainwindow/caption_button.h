#pragma once

#include <QPushButton>

namespace vavivor {

// A push button whose caption breaks onto a second line when it is wider than the button,
// as the main window's narrow operation buttons need ("REVIEW MUTATIONS").
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vavivor
