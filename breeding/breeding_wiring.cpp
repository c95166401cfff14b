#include "breeding_wiring.h"

#include "draw_mutations.h"
#include "mainwindow/zel_main.h"
#include "platform/picture_area.h"
#include "relatives.h"
#include "review.h"
#include "selection.h"

#include <QPushButton>
#include <QtGlobal>

namespace vavivor {

namespace {

using Handler = void (*)(ProgramState&, Services&);

void onClick(ZelMain& window, const char* buttonName, Handler handler) {
    auto* button = window.findChild<QPushButton*>(QLatin1String(buttonName));
    if (button == nullptr) {
        qWarning("connectBreeding: the main window has no button %s", buttonName);
        return;
    }
    QObject::connect(button, &QPushButton::clicked, &window,
                     [&window, handler] { handler(window.state(), window.services()); });
}

} // namespace

void connectBreeding(ZelMain& window) {
    onClick(window, "cmdZELMdraw", cmdZELMdraw_Click);
    onClick(window, "cmdZELRdraw", cmdZELRdraw_Click);
    onClick(window, "cmdZELMrep", cmdZELMrep_Click);
    QObject::connect(window.pictureArea(0), &PictureArea::mouseDown, &window,
                     [&window](int button, int shift, float x, float y) {
                         selectCell(window.state(), window.services(), button, shift, x, y);
                     });
}

} // namespace vavivor
