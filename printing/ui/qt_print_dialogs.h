#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vavivor {

class PrintChoiceDialog;
class QtPrinterPage;

// When the print dialog is shown: only with a printer installed (without one the page goes to
// a PDF file), or every time.
enum class PrinterDialog { WithPrinterOnly, Always };

// The printing dialogs on Qt: the print dialog sets up the printer of `printer`, and the
// print-or-continue dialog frmZelDia1 is created on first use and then only hidden and shown.
class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QtPrinterPage& printer,
                            PrinterDialog printerDialog = PrinterDialog::WithPrinterOnly);
    ~QtPrintDialogs() override;
    QtPrintDialogs(const QtPrintDialogs&) = delete;
    QtPrintDialogs& operator=(const QtPrintDialogs&) = delete;

    // The window the dialogs belong to (the main window).
    void setParent(QWidget* parent);

    bool setupPrinter(const std::string& title) override;
    PrintChoice askPrintChoice() override;

private:
    QtPrinterPage& m_printer;
    QPointer<QWidget> m_parent;
    QPointer<PrintChoiceDialog> m_choice;
    PrinterDialog m_printerDialog;
};

} // namespace vavivor
