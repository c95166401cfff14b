#pragma once

#include "core/printer_page.h"

#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace vavivor {

class WholeFile;

// The folder that takes the PDF files when no printer is installed; empty: the documents
// folder's "Vavivor".
struct PdfFolder {
    QString path;
};

// The printer page on Qt's printing: twips from the top left of the printable area are mapped
// onto the device, text stands with its top left corner at the current position, and pictures
// are painted as vectors. The painter begins with the first item and ends with endDoc.
//
// Without a printer installed every document goes to a PDF file: the one the save dialog chose
// (setNextPdf), else a new one in the PDF folder named after the time it was printed. A PDF
// page's printable area is A4 less the margins that make it the print grid's 11512 x 16264
// twips. A PDF file stands under its name only once it has been written whole. The documents of
// a run go into one PDF file of many pages, written whole again at each document's end, so that
// a run broken off leaves the pages printed so far; with a printer each is a document of its own.
class QtPrinterPage : public PrinterPage {
public:
    using Report = std::function<void(const std::string&)>;

    // The system's printer (the last one chosen in the print dialog, else the default one), or
    // PDF files in `pdfFolder` while none is installed.
    explicit QtPrinterPage(const PdfFolder& pdfFolder = {});
    // Every document to the PDF file `pdfPath`, replacing what it held.
    explicit QtPrinterPage(const QString& pdfPath);
    // Every document painted on `paper` (a print preview's printer), which it does not own.
    explicit QtPrinterPage(QPrinter& paper);
    ~QtPrinterPage() override;
    QtPrinterPage(const QtPrinterPage&) = delete;
    QtPrinterPage& operator=(const QtPrinterPage&) = delete;

    // The printer that the print dialog sets up.
    QPrinter& printer() { return *m_paper; }
    // Whether documents go to a printer of the system rather than to PDF files.
    [[nodiscard]] bool hasSystemPrinter() const;
    // Whether the next document goes to a PDF file whose name the user may choose: no printer
    // is installed and no fixed file is given.
    [[nodiscard]] bool choosesPdfFile() const;
    // A new file name in the folder of the PDF chosen last (at first the PDF folder), which is
    // made if need be.
    QString proposedPdfPath();
    // The next document goes to `path`, replacing a file of that name; its folder is the one
    // proposed from now on.
    void setNextPdf(const QString& path);
    // The paper a print preview shows: the system's printer, or a PDF page as the files have.
    QPrinter& previewPaper();
    // Told after each finished document where it went ("Printed to /home/...pdf").
    void setReport(Report report) { m_report = std::move(report); }

    // The face that stands in for a font name of the program: Arial and Arial rounded MT Bold
    // become Liberation Sans (bold for the rounded face) where they are not installed.
    static QFont printerFont(const std::string& name, bool bold, double points);

    void setFontName(const std::string& name) override;
    void setFontBold(bool bold) override;
    void setFontSize(double points) override;
    [[nodiscard]] double currentX() const override { return m_x; }
    [[nodiscard]] double currentY() const override { return m_y; }
    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;
    void printText(const std::string& text, bool lineEnd) override;
    void lineEnd() override;
    [[nodiscard]] double textWidth(const std::string& text) override;
    [[nodiscard]] double printableWidth() override;
    void drawPicture(const Picture& picture, double x, double y, double size) override;
    void newPage() override;
    [[nodiscard]] int pageNumber() const override { return m_page; }
    bool endDoc() override;
    [[nodiscard]] std::string failure() const override { return m_failure; }
    void beginRun() override;
    void endRun() override;

private:
    using Step = std::function<void(QtPrinterPage&)>;

    // Keeps a step of the document for the pages of a run.
    void keep(Step step);
    // Paints the run's earlier pages again, each followed by a new page.
    void repaintRunPages();
    [[nodiscard]] bool writesPdf() const;
    // Starts the document at its first item; false when the printer or file cannot take it.
    bool begin();
    bool beginPdf();
    // A new file name in the PDF folder, or empty when the folder cannot be made.
    QString newPdfPath();
    [[nodiscard]] QPagedPaintDevice& device() const;
    [[nodiscard]] int resolution() const;
    [[nodiscard]] QFont font() const;
    [[nodiscard]] double toDevice(double twips) const;
    [[nodiscard]] double toTwips(double device) const;
    [[nodiscard]] double lineHeight(const QFont& font) const;
    void fail(const std::string& reason);

    std::unique_ptr<QPrinter> m_printer; // none when the paper is a preview's
    QPrinter* m_paper = nullptr;
    std::unique_ptr<QPrinter> m_previewPaper;
    std::unique_ptr<WholeFile> m_pdfFile; // the PDF file of the document, while it is written
    std::unique_ptr<QPdfWriter> m_pdfWriter;
    std::unique_ptr<QPainter> m_painter;
    QString m_fixedPdf; // set: every document goes to this file
    QString m_pdfFolder;
    QString m_nextPdf;    // chosen in the save dialog for the next document
    bool m_inRun = false; // in a run whose pages go into one PDF file
    bool m_repainting = false;
    QString m_runPdf;                          // the run's file, once its first page is written
    std::vector<std::vector<Step>> m_runPages; // the pages of the run that were printed
    std::vector<Step> m_steps;                 // the document in progress, in a run
    Report m_report;

    std::string m_fontName = "Arial";
    bool m_bold = false;
    double m_points = 10.0;
    double m_x = 0.0;
    double m_y = 0.0;
    int m_page = 1;
    bool m_started = false;
    bool m_failed = false;
    std::string m_failure;
};

} // namespace vavivor
