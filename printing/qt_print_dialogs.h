#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vavivor {

class PrintChoiceDialog;
class QtPrinterPage;

// The printing dialogs on Qt: the print dialog sets up the printer of `printer`, and the
// print-or-continue dialog frmZelDia1 is created on first use and then only hidden and shown.
// Without a printer installed the print dialog is skipped: the page goes to a PDF file.
class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QtPrinterPage& printer);
    ~QtPrintDialogs() override;
    QtPrintDialogs(const QtPrintDialogs&) = delete;
    QtPrintDialogs& operator=(const QtPrintDialogs&) = delete;

    // The window the dialogs belong to (the main window).
    void setParent(QWidget* parent);
    // Shows the print dialog even when no printer is installed.
    void setAlwaysShowPrinterDialog(bool always) { m_alwaysShow = always; }
    // frmZelDia1 once it has been created, else null.
    [[nodiscard]] PrintChoiceDialog* printChoiceDialog() const;

    bool setupPrinter(const std::string& title) override;
    PrintChoice askPrintChoice() override;

private:
    QtPrinterPage& m_printer;
    QPointer<QWidget> m_parent;
    QPointer<PrintChoiceDialog> m_choice;
    bool m_alwaysShow = false;
};

} // namespace vavivor
