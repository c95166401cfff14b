#include "main_window_desktop.h"

#include "core/genome.h"
#include "core/help_viewer.h"
#include "platform/context_help.h"
#include "platform/control_notes.h"
#include "platform/program_folder.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <string>
#include <utility>

namespace vavivor {

namespace {

const ControlNote kMainNotes[] = {
    {"lblZELM1", "The genes of the figure you breed from"},
    {"lblFGM2", "Each gene's position, from 1 to 9"},
    {"lblGFGM3", "What each gene controls, and its value at that position"},
    {"Label2", "The record on screen was loaded from the storage file"},
    {"Label3", "The number of the record on screen in the storage file"},
    {"lblZELM5", "Drawing, and which screen you see"},
    {"lblZel1", "Print each full-screen figure without asking"},
    {"ckbZel1", "Print each full-screen figure without asking"},
    {"cmdZELscreen", "Switch between the 5 x 5 grid and one figure at a time"},
    {"cmdZELNalt", "Switch to the other picture area; each keeps its own drawing"},
    {"cmdZELRdraw", "Draw the genes in the editor with their 16 single-gene relatives"},
    {"cmdZELMdraw", "Draw a chain of 24 mutants of the genes in the editor; Shift+click draws "
                    "the chain of a seed you type"},
    {"cmdZELMrep", "Draw the last chain of mutants again"},
    {"pibZELMpica", "Click a figure to breed from it, or choose it with the arrows and Enter; "
                    "right-click or Esc gets the central one back"},
    {"pibZELMpicb", "The alternative picture area, shown by ALTERNATIVE: it keeps its own drawing, "
                    "so you can compare two screens; its figures are not picked"},
    {"statusText", "What Vavivor did last"},
    {"mnuZELprint", "Print the screen with its genes"},
    {"mnuZELpreview", "See the page that Print prints, before printing it"},
    {"mnuZELexport", "Save the picture on screen as an SVG drawing or a PNG image"},
    {"mnuZELexportLineage", "Save the way from the first screen to this one as an animated GIF "
                            "or a PDF sheet"},
    {"mnuZELsave", "Keep what the screen shows in the storage file"},
    {"mnuZELload", "List the stored records, to load or delete one"},
    {"mnuZELchng", "Choose another storage file, or make a new one"},
    {"mnuZELdel", "Delete a storage file from the disk and from the list"},
    {"mnuZELclose", "End Vavivor; everything saved is on the disk already"},
    {"mnuZELback", "Show the screen before this one again"},
    {"mnuZELforward", "Show the screen you went back from again"},
    {"mnuZELtree", "See every screen of this run as a family tree, and pick one to show"},
    {"mnuZ_Hcont", "The help, from its table of contents"},
    {"mnuZ_Hindx", "Look up a word in the help"},
    {"mnuZ_Hfnd", "Search the help's pages"},
    {"mnuZ_Habout", "Which Vavivor this is"},
};

// What each gene does to a figure, for the tooltip of its name.
constexpr std::array<const char*, kGeneCount> kGeneNotes{
    "How many levels of branches the figure has",
    "How far each branch turns from its parent",
    "An extra turn for one branch of every split",
    "An extra turn for the other branch of every split",
    "How long a branch is compared with its parent",
    "Makes one branch of every split longer or shorter",
    "Makes the other branch of every split longer or shorter",
    "How tall the figure is for its width",
};

struct Shortcut {
    const char* item;
    QKeySequence keys;
};

// The tab order: the genes from 1 to 8, Auto-Print, then the buttons row by row. The picture
// area, made after them, follows when it takes the focus.
constexpr std::array<const char*, 6> kTabOrderTail{
    "ckbZel1", "cmdZELscreen", "cmdZELNalt", "cmdZELRdraw", "cmdZELMdraw", "cmdZELMrep",
};

std::string indexed(const char* base, int i) {
    return std::string(base) + "_" + std::to_string(i);
}

// The gene editor's tooltips, one set per gene.
void noteGenes(QWidget& window) {
    for (int i = 0; i < kGeneCount; ++i) {
        const QString gene = QStringLiteral("gene %1").arg(i + 1);
        const std::pair<const char*, QString> notes[] = {
            {"Label1", QStringLiteral("Gene %1").arg(i + 1)},
            {"lblGR",
             QStringLiteral("The position of %1, 1 to 9: Up and Down step it, a digit sets it")
                 .arg(gene)},
            {"udGene", QStringLiteral("Step %1 up or down").arg(gene)},
            {"lblGene", QLatin1String(kGeneNotes[static_cast<std::size_t>(i)])},
            {"lblGeneV", QStringLiteral("The value that %1 has at this position").arg(gene)},
        };
        for (const auto& [base, tip] : notes) {
            if (auto* control =
                    window.findChild<QWidget*>(QString::fromStdString(indexed(base, i)))) {
                control->setToolTip(tip);
            }
        }
    }
}

// A position box stands for its arrows: a click on it gives them the keyboard focus, and a
// dark frame around it shows that they have it. Not the colours of a selection: those would
// look like a selected text field, and the box is never edited in place (a digit typed on the
// arrows replaces the position).
class PositionBoxFocus : public QObject {
public:
    PositionBoxFocus(QWidget& arrows, QLabel& box) : QObject(&box), m_arrows(arrows), m_box(box) {
        arrows.installEventFilter(this);
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &m_box && type == QEvent::MouseButtonPress) {
            m_arrows.setFocus(Qt::MouseFocusReason);
        } else if (watched == &m_arrows && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
            const bool focused = type == QEvent::FocusIn;
            m_box.setFrameStyle(focused ? QFrame::Box | QFrame::Plain
                                        : QFrame::Panel | QFrame::Sunken);
            m_box.setLineWidth(focused ? 2 : 1);
        }
        return false;
    }

private:
    QWidget& m_arrows;
    QLabel& m_box;
};

} // namespace

void fitMainWindowToDesktop(QMainWindow& window, std::function<void(int topic)> showTopic) {
    noteControls(window, kMainNotes);
    noteGenes(window);

    const Shortcut shortcuts[] = {
        {"mnuZELprint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuZELsave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuZELload", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"mnuZELclose", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"mnuZ_Hcont", QKeySequence(Qt::Key_F1)},
    };
    for (const Shortcut& s : shortcuts) {
        if (auto* item = window.findChild<QAction*>(QLatin1String(s.item))) {
            item->setShortcut(s.keys);
        }
    }

    QWidget* previous = nullptr;
    for (int i = 0; i < kGeneCount; ++i) {
        auto* box = window.findChild<QLabel*>(QString::fromStdString(indexed("lblGR", i)));
        auto* arrows = window.findChild<QWidget*>(QString::fromStdString(indexed("udGene", i)));
        if (box == nullptr || arrows == nullptr) {
            continue;
        }
        new PositionBoxFocus(*arrows, *box);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, arrows);
        }
        previous = arrows;
    }
    for (const char* name : kTabOrderTail) {
        auto* next = window.findChild<QWidget*>(QLatin1String(name));
        if (next == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
        // Enter presses the button that has the focus, as Space does.
        if (auto* button = qobject_cast<QPushButton*>(next)) {
            button->setAutoDefault(true);
        }
    }

    new ContextHelp(window, std::move(showTopic));
}

void showHelpTopic(ProgramState& state, Services& services, int topic) {
    // Looked for anew, as the Help menu does: the help may have been installed meanwhile.
    state.screen.helpFile = helpFilePath(state.screen.programFolder);
    services.help.showTopic(state.screen.helpFile, topic);
}

} // namespace vavivor
