#include "history_wiring.h"

#include "breeding/history_screens.h"
#include "breeding/ui/family_tree_window.h"
#include "core/dialogs.h"
#include "core/main_controls.h"
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace vavivor {

namespace {

constexpr const char* kTreeTitle = "FAMILY TREE";

// The family tree window, made on first use, and the mouse's back and forward buttons, which
// act as Go > Back and Go > Forward over the main window and over the tree.
class HistoryWindows : public QObject {
public:
    HistoryWindows(MainWindow& window, QAction* back, QAction* forward)
        : QObject(&window), m_window(window), m_back(back), m_forward(forward) {
        qApp->installEventFilter(this);
    }

    FamilyTreeWindow& tree() {
        if (m_tree.isNull()) {
            m_tree = new FamilyTreeWindow(m_window.state().history, &m_window);
            // The Go keys work in the tree as in the main window.
            m_tree->addActions({m_back, m_forward});
            connect(m_tree, &FamilyTreeWindow::entryChosen, m_tree, [this](int index) {
                showHistoryEntry(m_window.state(), m_window.services(), index);
            });
            connect(m_tree, &FamilyTreeWindow::exportRequested, m_tree, [this] { exportTree(); });
        }
        return *m_tree;
    }

    void showTree() {
        FamilyTreeWindow& window = tree();
        window.refresh();
        window.show();
        window.raise();
        window.activateWindow();
    }

    void historyMoved() {
        if (!m_tree.isNull()) {
            m_tree->refresh();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType()) {
            return false;
        }
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        QAction* action = button == Qt::BackButton      ? m_back
                          : button == Qt::ForwardButton ? m_forward
                                                        : nullptr;
        const QWidget* top = static_cast<QWidget*>(watched)->window();
        if (action == nullptr || (top != &m_window && top != m_tree.data())) {
            return false;
        }
        if (action->isEnabled()) {
            action->trigger();
        }
        return true;
    }

private:
    void exportTree() {
        Services& services = m_window.services();
        const std::optional<std::string> path =
            services.dialogs.chooseSvgFile("EXPORT THE FAMILY TREE");
        if (!path) {
            return;
        }
        QString error;
        if (!m_tree->exportSvg(QString::fromStdString(*path), &error)) {
            services.dialogs.message(error.toStdString(), kTreeTitle);
            return;
        }
        services.controls.showStatus("Family tree saved as " + *path);
    }

    MainWindow& m_window;
    QAction* m_back;
    QAction* m_forward;
    QPointer<FamilyTreeWindow> m_tree;
};

} // namespace

void connectHistory(MainWindow& window) {
    QAction* back = window.commands().back;
    QAction* forward = window.commands().forward;
    QAction* tree = window.commands().familyTree;
    auto* windows = new HistoryWindows(window, back, forward);
    QObject::connect(back, &QAction::triggered, &window,
                     [&window] { goBack(window.state(), window.services()); });
    QObject::connect(forward, &QAction::triggered, &window,
                     [&window] { goForward(window.state(), window.services()); });
    QObject::connect(tree, &QAction::triggered, windows, [windows] { windows->showTree(); });
    QObject::connect(&window, &MainWindow::historyMoved, windows,
                     [windows] { windows->historyMoved(); });
}

} // namespace vavivor
