#pragma once

#include "core/history.h"

#include <QMainWindow>
#include <QPoint>
#include <memory>
#include <vector>

class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsView;

namespace vavivor {

class FamilyTreeFigures;
class FamilyTreeNode;

// frmZelTree: the screens of the run as a family tree of small pictures of their central
// figures. The first screen stands on the left and each generation one column further right;
// a branch begun after going back runs in a row of its own below the others. The way to the
// newest screen is drawn bold, the current screen framed in red. Modeless, made on first use.
class FamilyTreeWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit FamilyTreeWindow(const HistoryState& history, QWidget* parent = nullptr);
    ~FamilyTreeWindow() override;

    // Brings the tree up to date with the history: new screens get their nodes (the others
    // keep their places), the way to the newest screen and the current screen their marks.
    void refresh();
    // The whole tree as an SVG drawing, its figures as lines. On failure returns false and
    // sets `error` to a sentence naming the file and the reason.
    bool exportSvg(const QString& path, QString* error);

    // Where the node of entry `index` stands in the view's viewport.
    [[nodiscard]] QPoint nodeCentre(int index) const;

signals:
    // A click on the node of entry `index`.
    void entryChosen(int index);
    // Tree > Export as SVG.
    void exportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The current screen comes into the middle of the view.
    void showEvent(QShowEvent* event) override;

private:
    // Zooms the view by `factor`, within 1/64 to 4 times the natural size.
    void zoomBy(double factor);
    void buildMenus();
    void addNode(int index);
    void updateMarks();

    const HistoryState& m_history;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    std::unique_ptr<FamilyTreeFigures> m_figures;
    std::vector<FamilyTreeNode*> m_nodes;
    std::vector<QGraphicsPathItem*> m_links; // to each node from its parent; none for the first
    std::vector<bool> m_onNewest;            // on the way from the first to the newest screen
    int m_current = -1;
    double m_zoom = 1.0;
};

} // namespace vavivor
