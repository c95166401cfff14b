#include "qt_print_dialogs.h"

#include "platform/qt_printer_page.h"
#include "print_choice_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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
        return chooseDestination(title);
    }
    // Printer and paper only: no page range, no printing to a file.
    QPrintDialog dialog(&m_printer.printer(), m_parent.data());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::chooseDestination(const std::string& title) {
    if (!m_printer.choosesPdfFile()) {
        return true;
    }
    const QString proposed = m_printer.proposedPdfPath();
    QFileDialog dialog(m_parent.data(), QString::fromStdString(title), proposed);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QObject::tr("PDF document (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    m_printer.setNextPdf(QDir::cleanPath(dialog.selectedFiles().constFirst()));
    return true;
}

void QtPrintDialogs::showPreview(const std::string& title,
                                 const std::function<void(PrinterPage&)>& compose) {
    QPrintPreviewDialog dialog(&m_printer.previewPaper(), m_parent.data());
    dialog.setObjectName(QStringLiteral("frmPreview"));
    dialog.setWindowTitle(QString::fromStdString(title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&compose](QPrinter* paper) {
                         QtPrinterPage page(*paper);
                         compose(page);
                     });
    dialog.exec();
}

PrintChoice QtPrintDialogs::askPrintChoice() {
    if (m_choice.isNull()) {
        m_choice = new PrintChoiceDialog(m_parent.data());
    }
    return m_choice->ask();
}

} // namespace vavivor
