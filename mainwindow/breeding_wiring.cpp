#include "breeding_wiring.h"

#include "breeding/draw_mutations.h"
#include "breeding/mutation_seed.h"
#include "breeding/relatives.h"
#include "breeding/review.h"
#include "breeding/selection.h"
#include "main_window.h"
#include "platform/keyboard_pick.h"
#include "platform/picture_area.h"

#include <QGuiApplication>
#include <QPushButton>

namespace vavivor {

namespace {

using Handler = void (*)(ProgramState&, Services&);

void onClick(MainWindow& window, QPushButton* button, Handler handler) {
    QObject::connect(button, &QPushButton::clicked, &window,
                     [&window, handler] { handler(window.state(), window.services()); });
}

// DRAW MUTATIONS: with Shift held, the chain of a seed the user gives; otherwise a new chain.
void drawMutationsClick(ProgramState& state, Services& services) {
    if (QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)) {
        breedMutationsFromChosenSeed(state, services);
    } else {
        breedMutations(state, services);
    }
}

PickButton pickButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return PickButton::Left;
    case Qt::RightButton:
        return PickButton::Right;
    default:
        return PickButton::Other;
    }
}

bool modifierHeld(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

} // namespace

void connectBreeding(MainWindow& window) {
    const MainCommands& commands = window.commands();
    onClick(window, commands.drawMutations, drawMutationsClick);
    onClick(window, commands.drawRelatives, breedRelatives);
    onClick(window, commands.reviewMutations, reviewMutations);
    QObject::connect(
        window.pictureArea(0), &PictureArea::mouseDown, &window,
        [&window](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y) {
            selectCell(window.state(), window.services(), pickButton(button),
                       modifierHeld(modifiers), x, y);
        });
    // The keys pick as the mouse does, where a pick is possible: the grid of the main area.
    pickWithKeys(*window.pictureArea(0), kGridN, [&window] {
        const ScreenState& screen = window.state().screen;
        return screen.curPic == 0 && screen.gridFlag[0] == 0;
    });
}

} // namespace vavivor
