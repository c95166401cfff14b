#include "qt_print_dialogs.h"

#include "platform/qt_printer_page.h"
#include "print_choice_dialog.h"

#include <QPrintDialog>

namespace vavivor {

QtPrintDialogs::QtPrintDialogs(QtPrinterPage& printer, PrinterDialog printerDialog)
    : m_printer(printer), m_printerDialog(printerDialog) {}

QtPrintDialogs::~QtPrintDialogs() {
    delete m_choice.data();
}

void QtPrintDialogs::setParent(QWidget* parent) {
    m_parent = parent;
}

bool QtPrintDialogs::setupPrinter(const std::string& title) {
    if (m_printerDialog == PrinterDialog::WithPrinterOnly && !m_printer.hasSystemPrinter()) {
        return true;
    }
    // Printer and paper only: no page range, no printing to a file.
    QPrintDialog dialog(&m_printer.printer(), m_parent.data());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

PrintChoice QtPrintDialogs::askPrintChoice() {
    if (m_choice.isNull()) {
        m_choice = new PrintChoiceDialog(m_parent.data());
    }
    return m_choice->ask();
}

} // namespace vavivor
