#pragma once

#include "core/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vavivor {

class PrintChoiceDialog;
class QtPrinterPage;

// When the print dialog is shown: only with a printer installed (without one the save dialog
// asks for the PDF file), or every time.
enum class PrinterDialog { WithPrinterOnly, Always };

// The printing dialogs on Qt: the print dialog sets up the printer of `printer`, or without a
// printer the save dialog names its next PDF file (proposing a new name in the folder chosen
// last); the print preview paints on the paper the document would go to; the print-or-continue
// dialog frmZelDia1 is created on first use and then only hidden and shown.
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
    bool chooseDestination(const std::string& title) override;
    void showPreview(const std::string& title,
                     const std::function<void(PrinterPage&)>& compose) override;
    PrintChoice askPrintChoice() override;

private:
    QtPrinterPage& m_printer;
    QPointer<QWidget> m_parent;
    QPointer<PrintChoiceDialog> m_choice;
    PrinterDialog m_printerDialog;
};

} // namespace vavivor
