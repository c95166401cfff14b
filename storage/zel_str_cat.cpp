#include "zel_str_cat.h"

#include "mainwindow/window_layout.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>

namespace vavivor {

namespace {

// Where the columns stand, in twips from the left of the window: the headings' places.
constexpr int kListLeft = 120;
constexpr std::array<int, 3> kColumnLefts{120, 1440, 3840};

// The system's colour for the title of an inactive window, as the classic desktop has it.
const QColor kInactiveTitle(128, 128, 128);

// Draws a catalogue line's three TAB-separated fields each under its heading, whatever the
// widths of the characters of the description.
class CatalogueColumns : public QStyledItemDelegate {
public:
    explicit CatalogueColumns(QListWidget* list) : QStyledItemDelegate(list), m_list(list) {}

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

        const QStringList fields = index.data().toString().split(QLatin1Char('\t'));
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        // Column edges in pixels from the list's outer left edge; the row starts inside its
        // frame.
        const int inset = m_list->frameWidth();
        const int columns = static_cast<int>(kColumnLefts.size());
        for (int i = 0; i < fields.size() && i < columns; ++i) {
            const auto column = static_cast<std::size_t>(i);
            const int left = twipsToPixels(kColumnLefts[column] - kListLeft) + 2;
            // A small gap before the next column, so that a long description never touches
            // the genes.
            const bool last = i + 1 == columns;
            const int right = last ? m_list->viewport()->width() + inset
                                   : twipsToPixels(kColumnLefts[column + 1] - kListLeft) - 6;
            const QRect cell(option.rect.left() + left - inset, option.rect.top(), right - left,
                             option.rect.height());
            if (last) {
                drawPositions(*painter, cell, fields[i]);
                continue;
            }
            // Trailing blanks take room without being seen.
            QString text = fields[i];
            while (text.endsWith(QLatin1Char(' '))) {
                text.chop(1);
            }
            const QString shown =
                painter->fontMetrics().elidedText(text, Qt::ElideRight, cell.width());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        }
        painter->restore();
    }

private:
    // The eight positions two blanks apart, or closer where a scroll bar leaves less room.
    static void drawPositions(QPainter& painter, const QRect& cell, const QString& text) {
        const QStringList positions = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (positions.isEmpty()) {
            return;
        }
        const int natural = painter.fontMetrics().horizontalAdvance(QStringLiteral("0  "));
        const int step = std::min(natural, cell.width() / static_cast<int>(positions.size()));
        for (int k = 0; k < positions.size(); ++k) {
            painter.drawText(QRect(cell.left() + k * step, cell.top(), natural, cell.height()),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, positions[k]);
        }
    }

    QListWidget* m_list;
};

} // namespace

ZelStrCat::ZelStrCat(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZelStrCat"));
    setWindowTitle(QStringLiteral("STORED DATA CATALOGUE"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsSize(6165, 3165));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kInactiveTitle);
    client->setPalette(grey);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_caption = new QLabel(client);
    m_caption->setObjectName(QStringLiteral("lblFMC5"));
    m_caption->setGeometry(twipsRect(120, 120, 6015, 375));
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
    };
    heading("lblFMSC1", twipsRect(120, 960, 975, 255), QStringLiteral("Record"));
    heading("Label3", twipsRect(1440, 960, 1575, 255), QStringLiteral("Description"));
    heading("Label1", twipsRect(3840, 960, 1455, 375), QStringLiteral("Genes"));

    m_list = new QListWidget(client);
    m_list->setObjectName(QStringLiteral("lstZELCat"));
    m_list->setGeometry(twipsRect(120, 1440, 5895, 1260));
    m_list->setFont(windowFont(12.0));
    m_list->setPalette(whiteOnBlack);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new CatalogueColumns(m_list));
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { emit loadRequested(); });

    QAction* print = menuBar()->addAction(QStringLiteral("&Print Catalogue"));
    print->setObjectName(QStringLiteral("mnuCatPrint"));
    connect(print, &QAction::triggered, this, &ZelStrCat::printRequested);
    QMenu* record = menuBar()->addMenu(QStringLiteral("&Record"));
    record->setObjectName(QStringLiteral("mnuCatRec"));
    QAction* load = record->addAction(QStringLiteral("&Load"));
    load->setObjectName(QStringLiteral("mnuCRLoad"));
    connect(load, &QAction::triggered, this, &ZelStrCat::loadRequested);
    QAction* remove = record->addAction(QStringLiteral("&Delete"));
    remove->setObjectName(QStringLiteral("mnuCRDel"));
    connect(remove, &QAction::triggered, this, &ZelStrCat::deleteRequested);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void ZelStrCat::clearRows() {
    m_list->clear();
}

void ZelStrCat::addRow(const std::string& line) {
    m_list->addItem(QString::fromStdString(line));
}

int ZelStrCat::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.constFirst());
}

void ZelStrCat::setStoreCaption(const std::string& caption) {
    // A long path loses its middle on screen; the whole caption stays in the tooltip.
    const QString whole = QString::fromStdString(caption);
    m_caption->setToolTip(whole);
    m_caption->setText(
        m_caption->fontMetrics().elidedText(whole, Qt::ElideMiddle, m_caption->width() - 8));
}

void ZelStrCat::showWindow() {
    show();
    raise();
    activateWindow();
}

void ZelStrCat::hideWindow() {
    hide();
}

} // namespace vavivor
