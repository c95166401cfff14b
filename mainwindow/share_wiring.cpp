#include "share_wiring.h"

#include "breeding/figure_share.h"
#include "breeding/ui/closer_look_window.h"
#include "core/figure_picture.h"
#include "core/gene_text.h"
#include "core/main_controls.h"
#include "export_picture.h"
#include "main_window.h"
#include "platform/control_notes.h"
#include "platform/picture_area.h"
#include "platform/qt_clipboard.h"
#include "up_down.h"

#include <QAction>

namespace vavivor {

namespace {

const ControlNote kShareNotes[] = {
    {"mnuZELcopy", "Put the central figure on the clipboard: its genes as text, a drawing and "
                   "an image"},
    {"mnuZELpaste", "Put genes copied as text into the gene editor"},
};

// The clipboard, kept as long as the window.
class Sharing : public QObject {
public:
    explicit Sharing(MainWindow& window) : QObject(&window), m_window(window) {}

    void openCloserLook(const ScreenFigure& figure) {
        auto* look = new CloserLookWindow(figure, &m_window);
        connect(look, &CloserLookWindow::exportRequested, look,
                [this, look] { exportGivenPicture(look->picture(), m_window.services()); });
        connect(look, &CloserLookWindow::copyRequested, look, [this, look] {
            copyFigure(look->figure(), m_clipboard);
            m_window.showStatus("Copied " + look->figure().label + ": " +
                                geneText(look->figure().genes) + ".");
        });
        connect(look, &CloserLookWindow::makeCentralRequested, look, [this, look] {
            putGenesInEditor(m_window.state(), m_window.services(), look->figure().genes);
        });
        look->show();
    }

    Clipboard& clipboard() { return m_clipboard; }

private:
    MainWindow& m_window;
    QtClipboard m_clipboard;
};

} // namespace

void connectSharing(MainWindow& window) {
    auto* sharing = new Sharing(window);
    noteControls(window, kShareNotes);
    const MainCommands& commands = window.commands();
    QObject::connect(commands.copy, &QAction::triggered, sharing, [&window, sharing] {
        copyCentralFigure(window.state(), window.services(), sharing->clipboard());
    });
    QObject::connect(commands.paste, &QAction::triggered, sharing, [&window, sharing] {
        pasteGenes(window.state(), window.services(), sharing->clipboard());
    });

    // In a position box Ctrl+C and Ctrl+V work on that box's position.
    for (int gene = 0; gene < kGeneCount; ++gene) {
        auto* box = window.findChild<UpDown*>(QStringLiteral("udGene_%1").arg(gene));
        QObject::connect(box, &UpDown::copyAsked, sharing, [&window, sharing, gene] {
            copyGenePosition(window.state(), gene, sharing->clipboard());
        });
        QObject::connect(box, &UpDown::pasteAsked, sharing, [&window, sharing, gene] {
            pasteGenePosition(window.state(), window.services(), gene, sharing->clipboard());
        });
    }

    PictureArea* area = window.pictureArea(0);
    area->setDragSource([&window](float x, float y) -> std::optional<DraggedFigure> {
        const std::optional<ScreenFigure> figure = draggedFigure(window.state(), x, y);
        if (!figure) {
            return std::nullopt;
        }
        return DraggedFigure{geneText(figure->genes), figurePicture(*figure)};
    });
    QObject::connect(area, &PictureArea::doubleClicked, sharing,
                     [&window, sharing](float x, float y) {
                         if (const auto figure = gridFigureAt(window.state(), x, y)) {
                             sharing->openCloserLook(*figure);
                         }
                     });
}

} // namespace vavivor
