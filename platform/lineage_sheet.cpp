#include "lineage_export.h"
#include "picture_export.h"
#include "picture_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace vavivor {

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 5;
constexpr int kPerPage = kColumns * kRows;
constexpr int kResolution = 1200; // dots per inch
constexpr double kMarginMm = 15.0;
constexpr double kHeadingPoints = 12.0;
constexpr double kTextPoints = 8.0;
constexpr double kThinnestLineMm = 0.1;

QFont sheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString genesText(const GeneSet& genes) {
    QStringList positions;
    for (const auto p : genes) {
        positions << QString::number(p);
    }
    return positions.join(QStringLiteral("  "));
}

// One step in its cell: the figure in a square at the top, its step and how it was reached
// beneath, then its genes.
void paintStep(QPainter& painter, const LineageStep& step, const QRectF& cell, double mm) {
    const QFont text = sheetFont(kTextPoints);
    const QFont bold = sheetFont(kTextPoints, true);
    const double line = QFontMetricsF(text, painter.device()).lineSpacing();
    const double gap = 2.0 * mm;
    const double side = std::min(cell.width() - gap, cell.height() - 2.0 * line - 2.0 * gap);
    const QRectF square(cell.left() + (cell.width() - side) / 2.0, cell.top(), side, side);

    painter.setPen(QPen(QColor(190, 190, 190), 0.1 * mm));
    painter.drawRect(square);
    paintPicture(painter, lineageFramePicture(step, false), square,
                 PaintOptions{true, kThinnestLineMm * mm});

    painter.setPen(Qt::black);
    const QRectF caption(square.left(), square.bottom() + gap / 2.0, square.width(), line);
    painter.setFont(bold);
    const QString number = QString::number(step.step) + QStringLiteral("  ");
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, number);
    const double numberWidth = QFontMetricsF(bold, painter.device()).horizontalAdvance(number);
    painter.setFont(text);
    const QRectF how = caption.adjusted(numberWidth, 0, 0, 0);
    painter.drawText(
        how, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetricsF(text, painter.device())
            .elidedText(QString::fromStdString(step.how), Qt::ElideMiddle, how.width()));
    painter.drawText(caption.translated(0, line), Qt::AlignLeft | Qt::AlignVCenter,
                     genesText(step.genes));
}

} // namespace

QString lineageHeading(const std::vector<LineageStep>& steps, const QString& from) {
    const QString heading =
        QStringLiteral("Vavivor lineage, %1 %2")
            .arg(steps.size())
            .arg(steps.size() == 1 ? QStringLiteral("step") : QStringLiteral("steps"));
    return from.isEmpty() ? heading : heading + QStringLiteral(", ") + from;
}

QPageSize lineagePaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

QByteArray lineageSheet(const std::vector<LineageStep>& steps, const QString& heading,
                        const QPageSize& paper) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(heading);
        writer.setCreator(QStringLiteral("Vavivor"));
        const double mm = kResolution / 25.4;
        const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(kResolution).size());
        const QFont headingFont = sheetFont(kHeadingPoints, true);

        QPainter painter(&writer);
        const double headingHeight =
            QFontMetricsF(headingFont, painter.device()).lineSpacing() + 4.0 * mm;
        const int pages = std::max(1, static_cast<int>((steps.size() + kPerPage - 1) / kPerPage));
        const double cellWidth = page.width() / kColumns;
        const double cellHeight = (page.height() - headingHeight) / kRows;
        for (int p = 0; p < pages; ++p) {
            if (p > 0) {
                writer.newPage();
            }
            painter.setPen(Qt::black);
            painter.setFont(headingFont);
            const QRectF top(page.left(), page.top(), page.width(), headingHeight - 4.0 * mm);
            painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, heading);
            painter.setFont(sheetFont(kTextPoints));
            painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
            const auto first = static_cast<std::size_t>(p) * kPerPage;
            const std::size_t end = std::min(steps.size(), first + kPerPage);
            for (std::size_t i = first; i < end; ++i) {
                const auto at = static_cast<int>(i - first);
                const QRectF cell(page.left() + (at % kColumns) * cellWidth,
                                  page.top() + headingHeight + (at / kColumns) * cellHeight,
                                  cellWidth, cellHeight);
                paintStep(painter, steps[i], cell, mm);
            }
        }
    }
    return buffer.data();
}

bool writeLineageSheet(const std::vector<LineageStep>& steps, const QString& heading,
                       const QString& path, QString* error) {
    return writeFileWhole(path, lineageSheet(steps, heading, lineagePaper()), error);
}

} // namespace vavivor
