#include "family_tree_window.h"

#include "core/figure_picture.h"
#include "platform/picture_export.h"
#include "platform/picture_painter.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QStyleOptionGraphicsItem>
#include <QSvgGenerator>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

namespace vavivor {

namespace {

// A node: the figure in a square with a caption line below, in scene pixels.
constexpr double kFigure = 64.0;
constexpr double kPad = 4.0;
constexpr double kCaption = 16.0;
constexpr double kNodeWidth = kFigure + 2 * kPad;
constexpr double kNodeHeight = kFigure + kPad + kCaption;
constexpr double kColumnPitch = kNodeWidth + 32.0;
constexpr double kLanePitch = kNodeHeight + 24.0;
constexpr int kPixmapScale = 2; // figures are rendered sharper than shown, for zooming in
constexpr double kMinZoom = 1.0 / 64.0;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;
// Below this many device pixels per scene pixel a node is only its box: the whole tree of a
// long run then paints at once.
constexpr double kFigureDetail = 0.2;

const QColor kBackground(192, 192, 192);
const QColor kOldBranch(224, 224, 224);
const QColor kGrey(128, 128, 128);

// The kind of a screen in a node's caption, by ScreenKind.
constexpr std::array<const char*, 3> kShortKinds{"MUT", "REL", "REV"};

// "1 branch", "3 branches".
QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString genesText(const GeneSet& genes) {
    QStringList positions;
    for (std::int16_t position : genes) {
        positions << QString::number(position);
    }
    return positions.join(QLatin1Char(','));
}

QString nodeToolTip(const HistoryEntry& entry, int index) {
    QString text = QStringLiteral("Screen %1: %2")
                       .arg(index + 1)
                       .arg(QString::fromStdString(screenName(entry.screen)));
    text += entry.parent < 0 ? QStringLiteral(", the first of this run.")
                             : QStringLiteral(", after screen %1.").arg(entry.parent + 1);
    text += QStringLiteral("\nCentral figure %1. Click to show this screen again.")
                .arg(genesText(entry.screen.central));
    return text;
}

QPointF nodePlace(const HistoryEntry& entry) {
    return {entry.depth * kColumnPitch, entry.lane * kLanePitch};
}

} // namespace

// The small pictures of the central figures, made when a node is first painted and shared by
// every node with the same figure.
class FamilyTreeFigures {
public:
    const QPixmap& pixmap(const GeneSet& genes) {
        std::uint32_t key = 0;
        for (std::int16_t position : genes) {
            key = key * 16U + static_cast<std::uint32_t>(position & 15);
        }
        auto found = m_pixmaps.find(key);
        if (found == m_pixmaps.end()) {
            const int pixels = static_cast<int>(kFigure) * kPixmapScale;
            QImage image(pixels, pixels, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            // One screen pixel at least, or the small figures fade to grey.
            paintPicture(painter, figurePicture(genes), QRectF(0, 0, pixels, pixels),
                         PaintOptions{true, kPixmapScale});
            painter.end();
            found = m_pixmaps.emplace(key, QPixmap::fromImage(image)).first;
        }
        return found->second;
    }

private:
    std::unordered_map<std::uint32_t, QPixmap> m_pixmaps;
};

class FamilyTreeNode : public QGraphicsItem {
public:
    FamilyTreeNode(FamilyTreeFigures& figures, const HistoryEntry& entry, int index)
        : m_figures(figures), m_genes(entry.screen.central), m_index(index),
          m_caption(QStringLiteral("%1 %2").arg(index + 1).arg(
              QLatin1String(kShortKinds.at(static_cast<std::size_t>(entry.screen.kind))))) {
        if (entry.screen.recordNumber > 0) {
            m_caption += QStringLiteral(" #%1").arg(entry.screen.recordNumber);
        }
        setToolTip(nodeToolTip(entry, index));
        setCursor(Qt::PointingHandCursor);
    }

    [[nodiscard]] int index() const { return m_index; }

    void setMarks(bool onNewest, bool current) {
        if (onNewest != m_onNewest || current != m_current) {
            m_onNewest = onNewest;
            m_current = current;
            update();
        }
    }

    [[nodiscard]] QRectF boundingRect() const override {
        return {-kPad, -kPad, kNodeWidth + 2 * kPad, kNodeHeight + 2 * kPad};
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* /*widget*/) override {
        const QRectF box(0, 0, kNodeWidth, kNodeHeight);
        painter->setPen(m_onNewest ? QPen(Qt::black, 2) : QPen(kGrey, 1));
        painter->setBrush(m_onNewest ? QColor(Qt::white) : kOldBranch);
        painter->drawRect(box);
        if (m_current) {
            painter->setPen(QPen(toQColor(kRed), 3));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(box.adjusted(-2.5, -2.5, 2.5, 2.5));
        }
        const QRectF figure(kPad, kPad, kFigure, kFigure);
        const bool vectors = painter->paintEngine() != nullptr &&
                             painter->paintEngine()->type() == QPaintEngine::SVG;
        if (vectors) {
            painter->fillRect(figure, Qt::white);
            paintPicture(*painter, figurePicture(m_genes), figure, PaintOptions{true, 1.0});
        } else if (option->levelOfDetailFromTransform(painter->worldTransform()) >= kFigureDetail) {
            painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter->drawPixmap(figure, m_figures.pixmap(m_genes), QRectF());
        } else {
            return; // too small for a figure or a caption to be seen
        }
        QFont font = painter->font();
        font.setPointSizeF(7.5);
        painter->setFont(font);
        painter->setPen(Qt::black);
        painter->drawText(QRectF(0, kPad + kFigure, kNodeWidth, kCaption), Qt::AlignCenter,
                          m_caption);
    }

private:
    FamilyTreeFigures& m_figures;
    GeneSet m_genes;
    int m_index;
    QString m_caption;
    bool m_onNewest = false;
    bool m_current = false;
};

FamilyTreeWindow::FamilyTreeWindow(const HistoryState& history, QWidget* parent)
    : QMainWindow(parent), m_history(history), m_figures(std::make_unique<FamilyTreeFigures>()) {
    setObjectName(QStringLiteral("frmZelTree"));
    setWindowTitle(QStringLiteral("FAMILY TREE"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_scene = new QGraphicsScene(this);
    m_scene->setBackgroundBrush(kBackground);
    m_scene->setItemIndexMethod(QGraphicsScene::BspTreeIndex);
    m_view = new QGraphicsView(m_scene, this);
    m_view->setObjectName(QStringLiteral("grvZelTree"));
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setRenderHint(QPainter::Antialiasing, true);
    m_view->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    m_view->setToolTip(QStringLiteral(
        "Every screen of this run, each generation one column further right. Click a "
        "figure to show its screen again; Ctrl and the wheel, or + and -, zoom."));
    m_view->viewport()->installEventFilter(this);
    setCentralWidget(m_view);

    buildMenus();
    statusBar()->setSizeGripEnabled(true);
    resize(720, 440);
}

FamilyTreeWindow::~FamilyTreeWindow() = default;

void FamilyTreeWindow::buildMenus() {
    QMenu* tree = menuBar()->addMenu(QStringLiteral("&Tree"));
    tree->setObjectName(QStringLiteral("mnuTree"));
    tree->setToolTipsVisible(true);
    const auto item = [&](const char* name, const QString& caption, const QString& tip,
                          const QList<QKeySequence>& keys) {
        QAction* action = tree->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(tip);
        action->setShortcuts(keys);
        return action;
    };
    QAction* exportSvg =
        item("mnuTreeExport", QStringLiteral("&Export as SVG..."),
             QStringLiteral("Save the whole tree as a drawing for a document or a slide"),
             {QKeySequence(Qt::CTRL | Qt::Key_E)});
    tree->addSeparator();
    QAction* zoomIn =
        item("mnuTreeZoomIn", QStringLiteral("Zoom &In"), QStringLiteral("Show the figures larger"),
             {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
              QKeySequence(QKeySequence::ZoomIn)});
    QAction* zoomOut =
        item("mnuTreeZoomOut", QStringLiteral("Zoom &Out"), QStringLiteral("Show more of the tree"),
             {QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)});
    QAction* whole =
        item("mnuTreeWhole", QStringLiteral("&Whole Tree"),
             QStringLiteral("Fit the whole tree into the window"), {QKeySequence(Qt::Key_0)});
    tree->addSeparator();
    QAction* close = item("mnuTreeClose", QStringLiteral("&Close"),
                          QStringLiteral("Close the family tree; the history stays"),
                          {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)});

    connect(exportSvg, &QAction::triggered, this, &FamilyTreeWindow::exportRequested);
    connect(zoomIn, &QAction::triggered, this, [this] { zoomBy(kZoomStep); });
    connect(zoomOut, &QAction::triggered, this, [this] { zoomBy(1.0 / kZoomStep); });
    connect(whole, &QAction::triggered, this, [this] {
        const QRectF all = m_scene->itemsBoundingRect();
        if (!all.isEmpty()) {
            const double factor = std::min(m_view->viewport()->width() / all.width(),
                                           m_view->viewport()->height() / all.height());
            zoomBy(factor / m_zoom);
        }
    });
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void FamilyTreeWindow::refresh() {
    for (int i = static_cast<int>(m_nodes.size()); i < m_history.size(); ++i) {
        addNode(i);
    }
    updateMarks();
    statusBar()->showMessage(
        m_history.size() == 0
            ? QStringLiteral("Nothing has been drawn yet: press DRAW MUTATIONS or DRAW RELATIVES.")
            : QStringLiteral("%1 on %2; screen %3 is shown.")
                  .arg(counted(m_history.size(), "screen", "screens"),
                       counted(m_history.laneCount(), "branch", "branches"))
                  .arg(m_history.current() + 1));
}

void FamilyTreeWindow::addNode(int index) {
    const HistoryEntry& entry = m_history.entry(index);
    auto* node = new FamilyTreeNode(*m_figures, entry, index);
    node->setPos(nodePlace(entry));
    m_scene->addItem(node);
    m_nodes.push_back(node);
    m_onNewest.push_back(false);

    QGraphicsPathItem* link = nullptr;
    if (entry.parent >= 0) {
        // From the right side of the parent to the left side of the child; a new branch turns
        // down half way between the columns.
        const QPointF from =
            nodePlace(m_history.entry(entry.parent)) + QPointF(kNodeWidth, kNodeHeight / 2);
        const QPointF to = nodePlace(entry) + QPointF(0, kNodeHeight / 2);
        QPainterPath path(from);
        const double turn = (from.x() + to.x()) / 2;
        path.lineTo(turn, from.y());
        path.lineTo(turn, to.y());
        path.lineTo(to);
        link = m_scene->addPath(path, QPen(kGrey, 1));
        link->setZValue(-2);
    }
    m_links.push_back(link);
}

void FamilyTreeWindow::updateMarks() {
    std::vector<bool> onNewest(m_nodes.size(), false);
    if (m_history.size() > 0) {
        for (int i : m_history.lineage(m_history.newest())) {
            onNewest[static_cast<std::size_t>(i)] = true;
        }
    }
    const int current = m_history.current();
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        const bool changed = onNewest[i] != m_onNewest[i];
        if (changed || static_cast<int>(i) == current || static_cast<int>(i) == m_current) {
            m_nodes[i]->setMarks(onNewest[i], static_cast<int>(i) == current);
        }
        if (changed && m_links[i] != nullptr) {
            m_links[i]->setPen(onNewest[i] ? QPen(Qt::black, 2) : QPen(kGrey, 1));
            m_links[i]->setZValue(onNewest[i] ? -1 : -2);
        }
    }
    m_onNewest = std::move(onNewest);
    if (current != m_current && current >= 0) {
        m_view->ensureVisible(m_nodes[static_cast<std::size_t>(current)], 24, 24);
    }
    m_current = current;
}

void FamilyTreeWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_current >= 0) {
        m_view->centerOn(m_nodes[static_cast<std::size_t>(m_current)]);
    }
}

void FamilyTreeWindow::zoomBy(double factor) {
    const double zoom = std::clamp(m_zoom * factor, kMinZoom, kMaxZoom);
    m_view->scale(zoom / m_zoom, zoom / m_zoom);
    m_zoom = zoom;
}

QPoint FamilyTreeWindow::nodeCentre(int index) const {
    const auto* node = m_nodes.at(static_cast<std::size_t>(index));
    return m_view->mapFromScene(node->sceneBoundingRect().center());
}

bool FamilyTreeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                for (QGraphicsItem* item : m_view->items(mouse->position().toPoint())) {
                    if (const auto* node = dynamic_cast<const FamilyTreeNode*>(item)) {
                        emit entryChosen(node->index());
                        return true;
                    }
                }
            }
        } else if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
                const int steps = wheel->angleDelta().y();
                if (steps != 0) {
                    m_view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
                    zoomBy(steps > 0 ? kZoomStep : 1.0 / kZoomStep);
                    m_view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
                }
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FamilyTreeWindow::exportSvg(const QString& path, QString* error) {
    const QRectF area = m_scene->itemsBoundingRect().adjusted(-16, -16, 16, 16);
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&drawing);
    svg.setSize(area.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), area.size()));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Vavivor family tree"));
    {
        QPainter painter(&svg);
        m_scene->render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    }
    return writeFileWhole(path, withSansFallback(drawing.data()), error);
}

} // namespace vavivor
