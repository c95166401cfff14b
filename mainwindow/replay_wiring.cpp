#include "replay_wiring.h"

#include "breeding/replay.h"
#include "main_window.h"
#include "platform/control_notes.h"
#include "platform/picture_area.h"
#include "up_down.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace vavivor {

namespace {

constexpr int kReplayTopic = 439;
constexpr double kDefaultSeconds = 1.0;

const ControlNote kReplayNotes[] = {
    {"mnuZELreplay", "Show the central figure of each screen from the first one to this one, "
                     "one after another"},
    {"replayBar", "The replay under way", kReplayTopic},
    {"replaySecondsLabel", "How long each figure of the replay stays", kReplayTopic},
    {"replaySeconds", "How long each figure of the replay stays", kReplayTopic},
    {"replayPause", "Hold the replay on this figure, or go on", kReplayTopic},
    {"replayStep", "Show the next figure of the held replay", kReplayTopic},
    {"replayStop", "End the replay and show the screen of before again (Esc)", kReplayTopic},
};

// The replay's controls and timer, and the controls it disables while it runs.
class ReplayControls : public QObject {
public:
    explicit ReplayControls(MainWindow& window) : QObject(&window), m_window(window) {
        buildBar();
        m_timer.setInterval(milliseconds());
        connect(&m_timer, &QTimer::timeout, this, [this] { next(); });
        m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
        m_escape->setEnabled(false);
        connect(m_escape, &QShortcut::activated, this, [this] { stop(); });
        connect(window.commands().replay, &QAction::triggered, this, [this] { start(); });
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            stop();
        }
        return false;
    }

private:
    void buildBar() {
        m_bar = new QWidget(&m_window);
        m_bar->setObjectName(QStringLiteral("replayBar"));
        auto* row = new QHBoxLayout(m_bar);
        row->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(QStringLiteral("Seconds per figure"), m_bar);
        label->setObjectName(QStringLiteral("replaySecondsLabel"));
        m_seconds = new QDoubleSpinBox(m_bar);
        m_seconds->setObjectName(QStringLiteral("replaySeconds"));
        m_seconds->setRange(0.25, 3.0);
        m_seconds->setSingleStep(0.25);
        m_seconds->setDecimals(2);
        m_seconds->setValue(kDefaultSeconds);
        label->setBuddy(m_seconds);
        connect(m_seconds, &QDoubleSpinBox::valueChanged, this,
                [this] { m_timer.setInterval(milliseconds()); });
        const auto button = [this, row](const char* name, const QString& caption) {
            auto* b = new QPushButton(caption, m_bar);
            b->setObjectName(QLatin1String(name));
            b->setAutoDefault(true);
            row->addWidget(b);
            return b;
        };
        row->addWidget(label);
        row->addWidget(m_seconds);
        m_pause = button("replayPause", QStringLiteral("PAUSE"));
        m_step = button("replayStep", QStringLiteral("STEP"));
        m_stop = button("replayStop", QStringLiteral("STOP"));
        connect(m_pause, &QPushButton::clicked, this, [this] { pauseOrResume(); });
        connect(m_step, &QPushButton::clicked, this, [this] { next(); });
        connect(m_stop, &QPushButton::clicked, this, [this] { stop(); });
        m_window.statusBar()->addPermanentWidget(m_bar);
        m_bar->hide();
        noteControls(m_window, kReplayNotes);
    }

    int milliseconds() const { return static_cast<int>(std::lround(m_seconds->value() * 1000)); }

    void start() {
        if (m_replay) {
            return;
        }
        Replay replay = beginReplay(m_window.state(), m_window.services().controls.status());
        if (replay.size() == 0) {
            return;
        }
        m_replay = std::move(replay);
        lock();
        m_pause->setText(QStringLiteral("PAUSE"));
        m_step->setEnabled(false);
        m_bar->show();
        m_pause->setFocus();
        m_escape->setEnabled(true);
        showNextReplayStep(m_window.state(), m_window.services(), *m_replay);
        m_timer.start();
    }

    // The next figure; after the last one, which stays for one more beat, the replay ends.
    void next() {
        if (m_replay && !showNextReplayStep(m_window.state(), m_window.services(), *m_replay)) {
            stop();
        }
    }

    void pauseOrResume() {
        const bool pausing = m_timer.isActive();
        if (pausing) {
            m_timer.stop();
        } else {
            m_timer.start();
        }
        m_pause->setText(pausing ? QStringLiteral("RESUME") : QStringLiteral("PAUSE"));
        m_step->setEnabled(pausing);
    }

    void stop() {
        if (!m_replay) {
            return;
        }
        m_timer.stop();
        m_escape->setEnabled(false);
        m_bar->hide();
        unlock();
        endReplay(m_window.state(), m_window.services(), *m_replay);
        m_replay.reset();
    }

    // Disables what would change the screen, keeping whether each was enabled.
    void lock() {
        const auto keep = [this](QObject* control, bool enabled) {
            m_locked.emplace_back(control, enabled);
        };
        std::vector<QMenu*> menus;
        for (QAction* title : m_window.menuBar()->actions()) {
            if (title->menu() != nullptr &&
                title->menu()->objectName() != QLatin1String("mnuZ_help")) {
                menus.push_back(title->menu());
            }
        }
        while (!menus.empty()) {
            QMenu* menu = menus.back();
            menus.pop_back();
            for (QAction* item : menu->actions()) {
                if (item->menu() != nullptr) {
                    menus.push_back(item->menu());
                } else if (!item->isSeparator() &&
                           item->objectName() != QLatin1String("mnuZELclose")) {
                    keep(item, item->isEnabled());
                }
            }
        }
        QWidget* client = m_window.centralWidget();
        for (QWidget* control : client->findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(control) != nullptr ||
                qobject_cast<UpDown*>(control) != nullptr ||
                qobject_cast<PictureArea*>(control) != nullptr) {
                keep(control, control->isEnabled());
            }
        }
        // The main window's other windows (family tree, catalogue, earlier runs, closer looks)
        // can change the screen too; the help is a window of its own and stays open to read.
        for (QWidget* other : m_window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other->isWindow()) {
                keep(other, other->isEnabled());
            }
        }
        for (const auto& [control, enabled] : m_locked) {
            setEnabled(control, false);
        }
    }

    void unlock() {
        for (const auto& [control, enabled] : m_locked) {
            if (!control.isNull()) {
                setEnabled(control, enabled);
            }
        }
        m_locked.clear();
    }

    static void setEnabled(QObject* control, bool enabled) {
        if (auto* action = qobject_cast<QAction*>(control)) {
            action->setEnabled(enabled);
        } else if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setEnabled(enabled);
        }
    }

    MainWindow& m_window;
    QWidget* m_bar = nullptr;
    QDoubleSpinBox* m_seconds = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_step = nullptr;
    QPushButton* m_stop = nullptr;
    QShortcut* m_escape = nullptr;
    QTimer m_timer;
    std::optional<Replay> m_replay;
    std::vector<std::pair<QPointer<QObject>, bool>> m_locked;
};

} // namespace

void connectReplay(MainWindow& window) {
    new ReplayControls(window);
}

} // namespace vavivor
