#pragma once

#include <QDialog>

namespace vavivor {

// frmAbout: a small black window with a one-line description of the program and its version.
// The Help menu creates a fresh one for every showing.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace vavivor
