#include "runs_wiring.h"

#include "breeding/earlier_runs.h"
#include "breeding/ui/earlier_runs_window.h"
#include "breeding/ui/family_tree_window.h"
#include "main_window.h"
#include "storage/run_recorder.h"

#include <QAction>
#include <QPointer>

namespace vavivor {

namespace {

// The run recorder, which the logic reaches as its RunLog, and the Earlier Runs window, made on
// first use.
class RunWindows : public QObject {
public:
    explicit RunWindows(MainWindow& window)
        : QObject(&window), m_window(window), m_recorder([this] { return folder(); }) {
        // The logic reaches the recorder through the window's services.
        window.services().runLog = &m_recorder;
    }
    RunWindows(const RunWindows&) = delete;
    RunWindows& operator=(const RunWindows&) = delete;

    void showRuns() {
        if (m_runs.isNull()) {
            m_runs = new EarlierRunsWindow(&m_window);
            connect(m_runs, &EarlierRunsWindow::openRequested, this, [this] { openChosen(); });
            connect(m_runs, &EarlierRunsWindow::deleteRequested, this, [this] { deleteChosen(); });
        }
        m_runs->setRuns(listRuns(folder()));
        m_runs->show();
        m_runs->raise();
        m_runs->activateWindow();
    }

private:
    [[nodiscard]] std::string folder() const {
        return m_window.state().screen.programFolder + "/" + kRunsFolderName;
    }

    void openChosen() {
        const RunListing* run = m_runs->chosenRun();
        if (run == nullptr) {
            return;
        }
        const std::string path = run->path;
        // The family tree shows the history it was made for: it is made again for the run.
        auto* tree = m_window.findChild<FamilyTreeWindow*>();
        const bool treeShown = tree != nullptr && tree->isVisible();
        delete tree;
        const bool opened = openRun(m_window.state(), m_window.services(), path);
        if (treeShown) {
            m_window.commands().familyTree->trigger();
        }
        if (opened) {
            m_runs->close();
        }
    }

    void deleteChosen() {
        const RunListing* run = m_runs->chosenRun();
        if (run != nullptr && deleteRun(m_window.services(), *run)) {
            m_runs->setRuns(listRuns(folder()));
        }
    }

    MainWindow& m_window;
    RunRecorder m_recorder;
    QPointer<EarlierRunsWindow> m_runs;
};

} // namespace

void connectRuns(MainWindow& window) {
    auto* runs = new RunWindows(window);
    QObject::connect(window.commands().earlierRuns, &QAction::triggered, runs,
                     [runs] { runs->showRuns(); });
}

} // namespace vavivor
