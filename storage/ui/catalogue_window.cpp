#include "catalogue_window.h"

#include "core/figure_picture.h"
#include "platform/control_notes.h"
#include "platform/list_keys.h"
#include "platform/picture_painter.h"
#include "platform/window_layout.h"
#include "storage/catalogue_row.h"

#include <QAction>
#include <QCache>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>

Q_DECLARE_METATYPE(vavivor::CatalogueRow)

namespace vavivor {

namespace {

// Where the columns stand, in twips from the left of the window: the headings' places.
constexpr int kListLeft = 120;
constexpr std::array<int, 3> kColumnLefts{120, 1440, 3840};
// The three columns fill this width of the list; the figures stand to the right of it, with
// room for a scroll bar after them.
constexpr int kColumnsWidth = 5895;
constexpr int kThumbnailPixels = CatalogueWindow::kThumbnailPixels;
constexpr int kRowPixels = kThumbnailPixels + 2;
constexpr int kThumbnailTwips = 15 * (kThumbnailPixels + 8);
constexpr int kScrollBarTwips = 300;
constexpr int kListWidth = kColumnsWidth + kThumbnailTwips + kScrollBarTwips;
constexpr int kListHeight = 15 * (4 * kRowPixels + 4); // four lines and the frame
constexpr int kCatalogueWidth = kListLeft + kListWidth + 150;
constexpr int kCatalogueHeight = 1440 + kListHeight + 465;
// Pictures kept for lines scrolled out of view; more are made again when needed.
constexpr int kKeptThumbnails = 2000;

// Each line's item keeps its row under this role; its text is the catalogue line.
constexpr int kRowRole = Qt::UserRole;

// The system's colour for the title of an inactive window, as the classic desktop has it.
const QColor kInactiveTitle(128, 128, 128);

const ControlNote kCatalogueNotes[] = {
    {"lblFMC5", "The storage file listed"},
    {"lblFMSC1", "Record number; M a chain of mutations, R a single figure"},
    {"Label3", "The description given when the record was saved"},
    {"Label1", "The genes of the record's first figure"},
    {"lblCatFigure", "The first figure of each record: the central figure of a sequence, or the "
                     "single figure"},
    {"lblCatFind", "List only the records whose description holds this text"},
    {"txtCatFilter", "List only the records whose description holds this text, in capitals or "
                     "not. Empty the field to list every record again."},
    {"lstZELCat", "The stored records: arrows choose one, Enter loads it, Delete deletes it", 200},
    {"mnuCatPrint", "Print the catalogue of one or all storage files", 440},
    {"mnuCatPreview", "See the catalogue of one or all storage files before printing it", 441},
    {"mnuCatRec", "Load or delete the chosen record", 442},
    {"mnuCRLoad", "Draw the chosen record and put its genes into the editor", 444},
    {"mnuCRDel", "Delete the chosen record, after a question", 446},
};

CatalogueRow rowOf(const QModelIndex& index) {
    return index.data(kRowRole).value<CatalogueRow>();
}

// Whether the filter's text lets the row be seen: its description holds the text, upper and
// lower case alike.
bool passesFilter(const CatalogueRow& row, const QString& text) {
    return text.isEmpty() ||
           QString::fromStdString(row.description).contains(text, Qt::CaseInsensitive);
}

} // namespace

// Draws a row's three fields each under its heading, whatever the widths of the characters of
// the description, and the record's first figure after them. A figure's picture is made the
// first time its line is painted and kept for every line with the same genes.
class CatalogueColumns : public QStyledItemDelegate {
public:
    explicit CatalogueColumns(QListWidget* list)
        : QStyledItemDelegate(list), m_list(list), m_thumbnails(kKeptThumbnails) {}

    [[nodiscard]] int made() const { return m_made; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize text = QStyledItemDelegate::sizeHint(option, index);
        return {text.width(), std::max(text.height(), kRowPixels)};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style != nullptr) {
            style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        }

        const CatalogueRow row = rowOf(index);
        const QString fields[] = {QString::fromStdString(recordField(row)),
                                  QString::fromStdString(row.description)};
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        // Column edges in pixels from the list's outer left edge; the row starts inside its
        // frame.
        const int inset = m_list->frameWidth();
        const auto cell = [&](std::size_t column) {
            const int left = twipsToPixels(kColumnLefts[column] - kListLeft) + 2;
            // A small gap before the next column, so that a long description never touches
            // the genes.
            const int right = column + 1 == kColumnLefts.size()
                                  ? std::min(m_list->viewport()->width() + inset, figureLeft())
                                  : twipsToPixels(kColumnLefts[column + 1] - kListLeft) - 6;
            return QRect(option.rect.left() + left - inset, option.rect.top(), right - left,
                         option.rect.height());
        };
        for (std::size_t column = 0; column < std::size(fields); ++column) {
            // Trailing blanks take room without being seen.
            QString text = fields[column];
            while (text.endsWith(QLatin1Char(' '))) {
                text.chop(1);
            }
            const QRect place = cell(column);
            const QString shown =
                painter->fontMetrics().elidedText(text, Qt::ElideRight, place.width());
            painter->drawText(place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        }
        drawPositions(*painter, cell(kColumnLefts.size() - 1), row);
        if (const QPixmap* figure = thumbnail(row)) {
            const int top = option.rect.top() + (option.rect.height() - kThumbnailPixels) / 2;
            painter->drawPixmap(QPoint(option.rect.left() + figureLeft() - inset + 4, top),
                                *figure);
        }
        painter->restore();
    }

private:
    // The left edge of the figures, in pixels from the list's outer left edge.
    static int figureLeft() { return twipsToPixels(kColumnsWidth); }

    // The picture of the row's first figure; none when its positions make no whole figure.
    const QPixmap* thumbnail(const CatalogueRow& row) const {
        const auto genes = firstFigure(row);
        if (!genes) {
            return nullptr;
        }
        std::uint32_t key = 0;
        for (const std::int16_t position : *genes) {
            key = key * 16U + static_cast<std::uint32_t>(position);
        }
        if (const QPixmap* kept = m_thumbnails.object(key)) {
            return kept;
        }
        const qreal ratio = m_list->devicePixelRatioF();
        const auto pixels = static_cast<int>(std::lround(kThumbnailPixels * ratio));
        auto* made =
            new QPixmap(QPixmap::fromImage(CatalogueWindow::figureThumbnail(*genes, pixels)));
        made->setDevicePixelRatio(ratio);
        ++m_made;
        m_thumbnails.insert(key, made);
        return made;
    }

    // The eight positions two blanks apart, or closer where a scroll bar leaves less room.
    static void drawPositions(QPainter& painter, const QRect& cell, const CatalogueRow& row) {
        const int count = static_cast<int>(row.genes.size());
        const int natural = painter.fontMetrics().horizontalAdvance(QStringLiteral("0  "));
        const int step = std::min(natural, cell.width() / count);
        for (int k = 0; k < count; ++k) {
            const QString position =
                QString::fromStdString(positionText(row.genes[static_cast<std::size_t>(k)]));
            painter.drawText(QRect(cell.left() + k * step, cell.top(), natural, cell.height()),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, position);
        }
    }

    QListWidget* m_list;
    mutable QCache<std::uint32_t, QPixmap> m_thumbnails;
    mutable int m_made = 0;
};

CatalogueWindow::CatalogueWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZelStrCat"));
    setWindowTitle(QStringLiteral("STORED DATA CATALOGUE"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsSize(kCatalogueWidth, kCatalogueHeight));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kInactiveTitle);
    client->setPalette(grey);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_caption = new QLabel(client);
    m_caption->setObjectName(QStringLiteral("lblFMC5"));
    m_caption->setGeometry(twipsRect(120, 120, kCatalogueWidth - 150, 375));
    m_caption->setFont(windowFont(12.0, true));
    m_caption->setAlignment(Qt::AlignCenter);
    QPalette whiteOnBlack = palette();
    whiteOnBlack.setColor(QPalette::Window, Qt::black);
    whiteOnBlack.setColor(QPalette::WindowText, Qt::white);
    whiteOnBlack.setColor(QPalette::Base, Qt::black);
    whiteOnBlack.setColor(QPalette::Text, Qt::white);
    m_caption->setPalette(whiteOnBlack);
    m_caption->setAutoFillBackground(true);

    const auto heading = [&](const char* name, const QRect& place, const QString& caption) {
        auto* label = new QLabel(caption, client);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(place);
        label->setFont(windowFont(9.75, true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    heading("lblFMSC1", twipsRect(120, 960, 975, 255), QStringLiteral("Record"));
    heading("Label3", twipsRect(1440, 960, 1575, 255), QStringLiteral("Description"));
    heading("Label1", twipsRect(3840, 960, 1455, 375), QStringLiteral("Genes"));
    heading("lblCatFigure", twipsRect(kListLeft + kColumnsWidth + 60, 960, 900, 255),
            QStringLiteral("Figure"));

    QLabel* find = heading("lblCatFind", twipsRect(120, 600, 1215, 255), QStringLiteral("Find"));
    m_filter = new QLineEdit(client);
    m_filter->setObjectName(QStringLiteral("txtCatFilter"));
    m_filter->setGeometry(twipsRect(1440, 540, 2280, 345));
    m_filter->setPlaceholderText(QStringLiteral("part of a description"));
    m_filter->setClearButtonEnabled(true);
    find->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, &CatalogueWindow::applyFilter);

    m_list = new ChoiceList(client);
    m_list->setObjectName(QStringLiteral("lstZELCat"));
    m_list->setGeometry(twipsRect(kListLeft, 1440, kListWidth, kListHeight));
    m_list->setFont(windowFont(12.0));
    m_list->setPalette(whiteOnBlack);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every line has the same height, so that a long list is laid out without measuring each.
    m_list->setUniformItemSizes(true);
    m_columns = new CatalogueColumns(m_list);
    m_list->setItemDelegate(m_columns);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { emit loadRequested(); });
    m_noMatch = new QLabel(QStringLiteral("No record matches"), m_list->viewport());
    m_noMatch->setObjectName(QStringLiteral("lblCatNone"));
    m_noMatch->setAlignment(Qt::AlignCenter);
    m_noMatch->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_noMatch->hide();

    QAction* print = menuBar()->addAction(QStringLiteral("&Print Catalogue"));
    print->setObjectName(QStringLiteral("mnuCatPrint"));
    connect(print, &QAction::triggered, this, &CatalogueWindow::printRequested);
    QAction* preview = menuBar()->addAction(QStringLiteral("Print Pre&view"));
    preview->setObjectName(QStringLiteral("mnuCatPreview"));
    connect(preview, &QAction::triggered, this, &CatalogueWindow::previewRequested);
    QMenu* record = menuBar()->addMenu(QStringLiteral("&Record"));
    record->setObjectName(QStringLiteral("mnuCatRec"));
    QAction* load = record->addAction(QStringLiteral("&Load"));
    load->setObjectName(QStringLiteral("mnuCRLoad"));
    connect(load, &QAction::triggered, this, &CatalogueWindow::loadRequested);
    QAction* remove = record->addAction(QStringLiteral("&Delete"));
    remove->setObjectName(QStringLiteral("mnuCRDel"));
    connect(remove, &QAction::triggered, this, &CatalogueWindow::deleteRequested);
    // Enter and Delete act on the list while it has the focus.
    load->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* item : {load, remove}) {
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_list->addAction(item);
    }
    selectWithArrows(*m_list);
    noteControls(*this, kCatalogueNotes);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CatalogueWindow::clearRows() {
    Place place;
    if (m_list->count() > 0) {
        m_list->doItemsLayout();
        const QModelIndex top = m_list->indexAt(QPoint(0, 0));
        place.top = top.isValid() ? rowOf(top).number : 0;
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        if (!selected.isEmpty()) {
            place.selected = selected.constFirst()->data(kRowRole).value<CatalogueRow>().number;
        }
    }
    m_place = place;
    m_list->clear();
    m_matching = 0;
    showWhetherNothingMatches();
}

void CatalogueWindow::addRow(const CatalogueRow& row) {
    // The row goes in before the item joins the list: a change to an item in a list looks the
    // item up among all the others, which made a long catalogue slow to fill.
    auto* item = new QListWidgetItem(QString::fromStdString(catalogueLine(row)));
    item->setData(kRowRole, QVariant::fromValue(row));
    m_list->addItem(item);
    if (!passesFilter(row, m_filter->text())) {
        item->setHidden(true);
    } else if (++m_matching == 1) {
        showWhetherNothingMatches();
    }
}

void CatalogueWindow::applyFilter() {
    const QString text = m_filter->text();
    m_matching = 0;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const bool hidden = !passesFilter(item->data(kRowRole).value<CatalogueRow>(), text);
        if (item->isHidden() != hidden) {
            item->setHidden(hidden);
        }
        // Load and Delete act only on a line in view.
        if (hidden && item->isSelected()) {
            item->setSelected(false);
        }
        m_matching += hidden ? 0 : 1;
    }
    showWhetherNothingMatches();
}

void CatalogueWindow::showWhetherNothingMatches() {
    const bool none = m_matching == 0 && !m_filter->text().isEmpty();
    if (none) {
        m_noMatch->setGeometry(m_list->viewport()->rect());
    }
    m_noMatch->setVisible(none);
}

void CatalogueWindow::restorePlace(const Place& place) {
    QListWidgetItem* top = nullptr;
    QListWidgetItem* selected = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->isHidden()) {
            continue;
        }
        const int number = item->data(kRowRole).value<CatalogueRow>().number;
        if (top == nullptr && number >= place.top) {
            top = item;
        }
        if (number == place.selected) {
            selected = item;
        }
    }
    if (top != nullptr) {
        m_list->scrollToItem(top, QAbstractItemView::PositionAtTop);
    } else {
        m_list->scrollToBottom();
    }
    if (selected != nullptr) {
        m_list->setCurrentItem(selected);
        m_list->scrollToItem(selected);
    }
}

QImage CatalogueWindow::figureThumbnail(const GeneSet& genes, int pixels) {
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPicture(painter, figurePicture(genes), QRectF(0, 0, pixels, pixels),
                 PaintOptions{true, 1.0});
    return image;
}

int CatalogueWindow::thumbnailsMade() const {
    return m_columns->made();
}

int CatalogueWindow::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.constFirst());
}

void CatalogueWindow::setStoreCaption(const std::string& caption) {
    const QString whole = QString::fromStdString(caption);
    if (whole != m_listedCaption) {
        m_list->scrollToTop();
        m_listedCaption = whole;
    } else if (m_place) {
        restorePlace(*m_place);
    }
    m_place.reset();
    // A long path loses its middle on screen; the whole caption stays in the tooltip.
    m_caption->setToolTip(whole);
    m_caption->setText(
        m_caption->fontMetrics().elidedText(whole, Qt::ElideMiddle, m_caption->width() - 8));
}

void CatalogueWindow::showWindow() {
    show();
    raise();
    activateWindow();
    m_list->setFocus();
}

void CatalogueWindow::hideWindow() {
    hide();
}

} // namespace vavivor
