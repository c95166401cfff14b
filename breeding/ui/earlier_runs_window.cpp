#include "earlier_runs_window.h"

#include "platform/control_notes.h"
#include "platform/figure_icon.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace vavivor {

namespace {

constexpr int kIconPixels = 48;

const ControlNote kRunsNotes[] = {
    {"lstZELruns",
     "The runs kept, newest first: when each began, its screens and the central "
     "figure it ended on",
     438},
    {"cmdZELrunOpen",
     "Make the chosen run the history of screens and show its last screen; "
     "breeding goes on in that run",
     438},
    {"cmdZELrunDelete", "Delete the chosen run's file, after a question", 438},
    {"cmdZELrunClose", "Close this window", 438},
};

QString lineOf(const RunListing& run) {
    if (!run.error.empty()) {
        const QString name = QString::fromStdString(run.path).section(QLatin1Char('/'), -1);
        return QStringLiteral("%1: damaged, cannot be opened").arg(name);
    }
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(run.started), Qt::ISODate);
    const QString when = started.isValid() ? QLocale().toString(started, QLocale::LongFormat)
                                           : QString::fromStdString(run.started);
    return QStringLiteral("%1\n%2 %3")
        .arg(when)
        .arg(run.screens)
        .arg(run.screens == 1 ? QStringLiteral("screen") : QStringLiteral("screens"));
}

} // namespace

EarlierRunsWindow::EarlierRunsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZelRuns"));
    setWindowTitle(QStringLiteral("EARLIER RUNS"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstZELruns"));
    m_list->setIconSize(QSize(kIconPixels, kIconPixels));
    m_list->setMinimumSize(420, 320);
    m_open = new QPushButton(QStringLiteral("&Open"), this);
    m_open->setObjectName(QStringLiteral("cmdZELrunOpen"));
    m_open->setDefault(true);
    m_delete = new QPushButton(QStringLiteral("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("cmdZELrunDelete"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdZELrunClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    noteControls(*this, kRunsNotes);

    connect(m_open, &QPushButton::clicked, this, &EarlierRunsWindow::openRequested);
    connect(m_delete, &QPushButton::clicked, this, &EarlierRunsWindow::deleteRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_list, &QListWidget::itemActivated, this, &EarlierRunsWindow::openRequested);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { updateButtons(); });
}

void EarlierRunsWindow::setRuns(std::vector<RunListing> runs) {
    m_runs = std::move(runs);
    m_list->clear();
    for (const RunListing& run : m_runs) {
        auto* item = new QListWidgetItem(lineOf(run), m_list);
        if (run.error.empty()) {
            item->setIcon(QPixmap::fromImage(figureIconImage(run.lastCentral, kIconPixels)));
            item->setToolTip(QString::fromStdString(run.path));
        } else {
            item->setToolTip(QString::fromStdString(run.error));
        }
    }
    m_list->setCurrentRow(m_runs.empty() ? -1 : 0);
    updateButtons();
}

const RunListing* EarlierRunsWindow::chosenRun() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_runs.size())
               ? &m_runs[static_cast<std::size_t>(row)]
               : nullptr;
}

void EarlierRunsWindow::updateButtons() {
    const RunListing* run = chosenRun();
    m_open->setEnabled(run != nullptr);
    m_delete->setEnabled(run != nullptr);
}

} // namespace vavivor
