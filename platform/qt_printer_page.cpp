#include "qt_printer_page.h"

#include "core/picture.h"
#include "picture_painter.h"
#include "whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace vavivor {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// The print grid's page, 11512 x 16264 twips, centred on A4.
constexpr double kGridWidthTwips = 11512.0;
constexpr double kGridHeightTwips = 16264.0;
// Dots per inch of PDF pages, as a high-resolution printer has them.
constexpr int kPdfResolution = 1200;

QPageLayout gridPageLayout() {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const double side = (a4.width() - kGridWidthTwips / kTwipsPerPoint) / 2.0;
    const double topBottom = (a4.height() - kGridHeightTwips / kTwipsPerPoint) / 2.0;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(side, topBottom, side, topBottom), QPageLayout::Point);
}

QString defaultPdfFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::homePath();
    }
    return QDir(documents).filePath(QStringLiteral("Vavivor"));
}

} // namespace

QtPrinterPage::QtPrinterPage(const PdfFolder& pdfFolder)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_paper(m_printer.get()),
      m_pdfFolder(pdfFolder.path.isEmpty() ? defaultPdfFolder() : pdfFolder.path) {
    m_printer->setDocName(QStringLiteral("Vavivor"));
    m_printer->setCreator(QStringLiteral("Vavivor"));
}

QtPrinterPage::QtPrinterPage(const QString& pdfPath) : QtPrinterPage() {
    m_fixedPdf = pdfPath;
}

QtPrinterPage::QtPrinterPage(QPrinter& paper) : m_paper(&paper) {}

QtPrinterPage::~QtPrinterPage() {
    if (m_painter && m_painter->isActive()) {
        m_painter->end();
    }
}

bool QtPrinterPage::hasSystemPrinter() const {
    return m_printer && m_fixedPdf.isEmpty() && !QPrinterInfo::availablePrinters().isEmpty();
}

bool QtPrinterPage::writesPdf() const {
    return m_printer && !hasSystemPrinter();
}

bool QtPrinterPage::choosesPdfFile() const {
    return writesPdf() && m_fixedPdf.isEmpty();
}

QString QtPrinterPage::proposedPdfPath() {
    return newPdfPath();
}

void QtPrinterPage::setNextPdf(const QString& path) {
    m_nextPdf = path;
    m_pdfFolder = QFileInfo(path).absolutePath();
}

QPrinter& QtPrinterPage::previewPaper() {
    if (hasSystemPrinter() || !m_printer) {
        return *m_paper;
    }
    if (!m_previewPaper) {
        m_previewPaper = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_previewPaper->setOutputFormat(QPrinter::PdfFormat);
        m_previewPaper->setResolution(kPdfResolution);
        m_previewPaper->setPageLayout(gridPageLayout());
        m_previewPaper->setDocName(QStringLiteral("Vavivor"));
    }
    return *m_previewPaper;
}

QFont QtPrinterPage::printerFont(const std::string& name, bool bold, double points) {
    const QString wanted = QString::fromStdString(name);
    QFont font;
    if (wanted.compare(QStringLiteral("Arial rounded MT Bold"), Qt::CaseInsensitive) == 0) {
        // The rounded face is bold by nature; a plain sans bold keeps its weight.
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        bold = true;
    } else if (wanted.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) {
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
    } else {
        font.setFamilies(
            {wanted, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setPointSizeF(points > 0.0 ? points : 10.0);
    return font;
}

QFont QtPrinterPage::font() const {
    return printerFont(m_fontName, m_bold, m_points);
}

QPagedPaintDevice& QtPrinterPage::device() const {
    if (m_pdfWriter) {
        return *m_pdfWriter;
    }
    return *m_paper;
}

int QtPrinterPage::resolution() const {
    return m_pdfWriter ? m_pdfWriter->resolution() : m_paper->resolution();
}

double QtPrinterPage::toDevice(double twips) const {
    return twips * resolution() / kTwipsPerInch;
}

double QtPrinterPage::toTwips(double device) const {
    return device * kTwipsPerInch / resolution();
}

double QtPrinterPage::lineHeight(const QFont& font) const {
    return toTwips(QFontMetricsF(font, &device()).lineSpacing());
}

void QtPrinterPage::fail(const std::string& reason) {
    if (!m_failed) {
        m_failed = true;
        m_failure = reason;
    }
}

QString QtPrinterPage::newPdfPath() {
    QDir folder(m_pdfFolder);
    if (!folder.mkpath(QStringLiteral("."))) {
        fail("the folder " + m_pdfFolder.toStdString() + " could not be created");
        return {};
    }
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = folder.filePath(QStringLiteral("vavivor-%1.pdf").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder.filePath(QStringLiteral("vavivor-%1-%2.pdf").arg(stamp).arg(n));
    }
    return path;
}

bool QtPrinterPage::beginPdf() {
    QString path = m_fixedPdf;
    if (path.isEmpty()) {
        path = !m_nextPdf.isEmpty() ? m_nextPdf : !m_runPdf.isEmpty() ? m_runPdf : newPdfPath();
        m_nextPdf.clear();
    }
    if (path.isEmpty()) {
        return false;
    }
    if (m_inRun) {
        m_runPdf = path;
    }
    auto file = std::make_unique<WholeFile>();
    if (!file->create(path, m_fixedPdf.isEmpty() ? WholeFile::Placement::Beside
                                                 : WholeFile::Placement::InPlace)) {
        fail(file->failure());
        return false;
    }
    m_pdfFile = std::move(file);
    m_pdfWriter = std::make_unique<QPdfWriter>(m_pdfFile.get());
    m_pdfWriter->setResolution(kPdfResolution);
    m_pdfWriter->setPageLayout(gridPageLayout());
    m_pdfWriter->setTitle(QStringLiteral("Vavivor"));
    m_pdfWriter->setCreator(QStringLiteral("Vavivor"));
    return true;
}

bool QtPrinterPage::begin() {
    if (m_started) {
        return !m_failed;
    }
    m_started = true;
    m_failure.clear();
    if (writesPdf() && !beginPdf()) {
        return false;
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&device())) {
        fail(m_pdfFile ? "the file " + m_pdfFile->path().toStdString() + " could not be written"
                       : "the printer " + m_paper->printerName().toStdString() +
                             " could not start the document");
        return false;
    }
    m_painter->setPen(Qt::black);
    if (m_inRun && m_pdfFile) {
        repaintRunPages();
    }
    return true;
}

void QtPrinterPage::keep(Step step) {
    if (m_inRun && !m_repainting) {
        m_steps.push_back(std::move(step));
    }
}

void QtPrinterPage::repaintRunPages() {
    // The document in progress has set its font and position already.
    const std::string fontName = m_fontName;
    const bool bold = m_bold;
    const double points = m_points;
    const double x = m_x;
    const double y = m_y;
    m_repainting = true;
    for (const std::vector<Step>& page : m_runPages) {
        for (const Step& step : page) {
            step(*this);
        }
        if (!device().newPage()) {
            fail("the printer could not start a new page");
        }
    }
    m_repainting = false;
    m_fontName = fontName;
    m_bold = bold;
    m_points = points;
    m_x = x;
    m_y = y;
}

void QtPrinterPage::beginRun() {
    endRun();
    // Only the PDF files of the folder collect a run's pages; a fixed file takes each document
    // in its place, a printer each as a job of its own.
    m_inRun = choosesPdfFile();
}

void QtPrinterPage::endRun() {
    m_inRun = false;
    m_runPdf.clear();
    m_runPages.clear();
    m_steps.clear();
}

void QtPrinterPage::setFontName(const std::string& name) {
    keep([name](QtPrinterPage& page) { page.setFontName(name); });
    m_fontName = name;
}

void QtPrinterPage::setFontBold(bool bold) {
    keep([bold](QtPrinterPage& page) { page.setFontBold(bold); });
    m_bold = bold;
}

void QtPrinterPage::setFontSize(double points) {
    keep([points](QtPrinterPage& page) { page.setFontSize(points); });
    m_points = points;
}

void QtPrinterPage::setCurrentX(double twips) {
    keep([twips](QtPrinterPage& page) { page.setCurrentX(twips); });
    m_x = twips;
}

void QtPrinterPage::setCurrentY(double twips) {
    keep([twips](QtPrinterPage& page) { page.setCurrentY(twips); });
    m_y = twips;
}

double QtPrinterPage::textWidth(const std::string& text) {
    begin();
    return toTwips(
        QFontMetricsF(font(), &device()).horizontalAdvance(QString::fromStdString(text)));
}

double QtPrinterPage::printableWidth() {
    begin();
    return toTwips(device().width());
}

void QtPrinterPage::printText(const std::string& text, bool lineEnd) {
    keep([text, lineEnd](QtPrinterPage& page) { page.printText(text, lineEnd); });
    const QFont f = font();
    const QString qtext = QString::fromStdString(text);
    const bool started = begin();
    const QFontMetricsF metrics(f, &device());
    if (started) {
        m_painter->setFont(f);
        m_painter->setPen(Qt::black);
        m_painter->drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), qtext);
    }
    if (lineEnd) {
        m_x = 0.0;
        m_y += toTwips(metrics.lineSpacing());
    } else {
        m_x += toTwips(metrics.horizontalAdvance(qtext));
    }
}

void QtPrinterPage::lineEnd() {
    keep([](QtPrinterPage& page) { page.lineEnd(); });
    begin();
    m_x = 0.0;
    m_y += lineHeight(font());
}

void QtPrinterPage::drawPicture(const Picture& picture, double x, double y, double size) {
    if (m_inRun && !m_repainting) {
        auto kept = std::make_shared<const Picture>(picture);
        keep([kept, x, y, size](QtPrinterPage& page) { page.drawPicture(*kept, x, y, size); });
    }
    if (!begin()) {
        return;
    }
    const QRectF target(toDevice(x), toDevice(y), toDevice(size), toDevice(size));
    m_painter->save();
    m_painter->setClipRect(target);
    paintPicture(*m_painter, picture, target, PaintOptions{true});
    m_painter->restore();
}

void QtPrinterPage::newPage() {
    keep([](QtPrinterPage& page) { page.newPage(); });
    if (begin() && !device().newPage()) {
        fail("the printer could not start page " + std::to_string(m_page + 1));
    }
    ++m_page;
    m_x = 0.0;
    m_y = 0.0;
}

bool QtPrinterPage::endDoc() {
    const bool started = m_started;
    const bool ended = !m_painter || !m_painter->isActive() || m_painter->end();
    m_painter.reset();
    const bool toPdf = m_pdfFile != nullptr;
    const QString pdf = toPdf ? m_pdfFile->path() : QString();
    if (toPdf) {
        m_pdfWriter.reset();
        if (!ended) {
            fail("the file " + pdf.toStdString() + " could not be written");
        } else if (!m_failed && !m_pdfFile->commit()) {
            fail(m_pdfFile->failure());
        }
        m_pdfFile.reset(); // a file not put in place goes with it
    } else if (!ended) {
        fail("the printer did not take the document");
    } else if (started && !m_failed && m_paper->printerState() == QPrinter::Error) {
        fail("the printer reported an error");
    }
    const bool ok = !m_failed;
    if (m_inRun && toPdf && ok) {
        m_runPages.push_back(std::move(m_steps));
    }
    m_steps.clear();
    m_started = false;
    m_failed = false;
    m_page = 1;
    m_x = 0.0;
    m_y = 0.0;
    if (started && ok && m_report) {
        m_report(toPdf ? "Printed to " + QDir::toNativeSeparators(pdf).toStdString()
                       : "Sent to the printer " + m_paper->printerName().toStdString());
    }
    return ok;
}

} // namespace vavivor
