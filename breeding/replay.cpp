#include "replay.h"

#include "core/gene_editor.h"
#include "core/main_controls.h"
#include "core/renderer.h"

#include <utility>

namespace vavivor {

namespace {

// Draws `picture` item by item on the cleared `surface`, so that it shows what it showed when
// the picture was taken, and leaves the surface on the picture scale, as a screen leaves it.
void drawPictureAgain(DrawingSurface& surface, const Picture& picture, std::int16_t picScale) {
    surface.clear();
    int scale = -1;
    int width = -1;
    Point at;
    for (const PictureItem& item : picture.items()) {
        if (item.scale != scale) {
            const PictureScale& s = picture.scales()[item.scale];
            surface.setScale(s.left, s.top, s.right, s.bottom);
            scale = item.scale;
        }
        if (item.lineWidth != width) {
            surface.setLineWidth(item.lineWidth);
            width = item.lineWidth;
        }
        switch (item.kind) {
        case PictureItem::Kind::Line:
            surface.line(item.x1, item.y1, item.x2, item.y2, item.colour);
            at = {item.x2, item.y2};
            break;
        case PictureItem::Kind::Rectangle:
            surface.rectangle(item.x1, item.y1, item.x2, item.y2, item.colour);
            break;
        case PictureItem::Kind::Text:
            // Text stands at the drawing position, which the line before it has left there.
            if (at.x != item.x1 || at.y != item.y1) {
                surface.line(item.x1, item.y1, item.x1, item.y1, kWhite);
                at = {item.x1, item.y1};
            }
            surface.printText(picture.texts()[item.text]);
            break;
        }
    }
    surface.setScale(0, picScale, picScale, 0);
    surface.setLineWidth(1);
}

void showInEditor(GenomeState& genome, const GeneSet& genes) {
    for (int g = 0; g < genome.geneCount; ++g) {
        setEditorPosition(genome, g, genes[g]);
    }
}

} // namespace

Replay beginReplay(const ProgramState& state, std::string status) {
    Replay replay;
    const HistoryState& history = state.history;
    if (history.current() >= 0) {
        replay.entries = history.lineage(history.current());
    }
    replay.area = state.screen.curPic;
    replay.picture = state.screen.surface().picture();
    replay.editor = state.genome.editor.positions();
    replay.status = std::move(status);
    return replay;
}

void showReplayStep(ProgramState& state, Services& services, Replay& replay, int step) {
    const Screen& screen = state.history.entry(replay.entries.at(step)).screen;
    replay.shown = step;
    const std::string count = std::to_string(step + 1) + " of " + std::to_string(replay.size());

    ScreenState& screens = state.screen;
    DrawingSurface& surface = *screens.pics[replay.area];
    prepareSurface(surface, 1, screens.gridN, screens.picScale); // no grid lines
    const ScreenFigure figure{kCentreCell, screen.central, "Step " + count, 0};
    drawFigure(state.renderer, surface, figure, FigureLayout::Full);
    showInEditor(state.genome, screen.central);
    services.controls.showStatus("Replay: step " + count + ": " + screenName(screen) + ".");
}

bool showNextReplayStep(ProgramState& state, Services& services, Replay& replay) {
    if (replay.shown + 1 >= replay.size()) {
        return false;
    }
    showReplayStep(state, services, replay, replay.shown + 1);
    return true;
}

void endReplay(ProgramState& state, Services& services, const Replay& replay) {
    ScreenState& screens = state.screen;
    drawPictureAgain(*screens.pics[replay.area], replay.picture, screens.picScale);
    showInEditor(state.genome, replay.editor);
    services.controls.showStatus(replay.status);
}

} // namespace vavivor
