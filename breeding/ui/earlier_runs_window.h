#pragma once

#include "storage/run_recorder.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

namespace vavivor {

// Go > Earlier Runs: the runs kept in the runs folder, newest first, each with its date and
// time, its number of screens and a small picture of the central figure it ended on. A damaged
// file is listed as damaged, with its reason as the tooltip. Open (or a double click, or Enter)
// asks for the chosen run, Delete asks to delete it; the wiring does the work.
class EarlierRunsWindow : public QDialog {
    Q_OBJECT

public:
    explicit EarlierRunsWindow(QWidget* parent = nullptr);

    // Lists `runs`, choosing the first.
    void setRuns(std::vector<RunListing> runs);
    // The chosen run, or nothing.
    [[nodiscard]] const RunListing* chosenRun() const;

signals:
    void openRequested();
    void deleteRequested();

private:
    void updateButtons();

    std::vector<RunListing> m_runs;
    QListWidget* m_list = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace vavivor
