#pragma once

#include "core/dialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vavivor {

// frmZelDia1, the pause after a full-screen figure: PRINT or CONTINUE. Modal, fixed in size
// and placed low on the left of the screen, where it leaves the picture area free. Its close
// box answers CONTINUE.
class PrintChoiceDialog : public QDialog {
    Q_OBJECT

public:
    explicit PrintChoiceDialog(QWidget* parent = nullptr);

    // Shows the dialog until a button or the close box hides it again.
    PrintChoice ask();

private:
    void choosePrint();
    void chooseContinue();

    QPushButton* m_print = nullptr;
    PrintChoice m_choice = PrintChoice::Continue;
};

} // namespace vavivor
