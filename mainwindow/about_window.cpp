#include "about_window.h"

#include "platform/control_notes.h"
#include "platform/window_layout.h"

#include <QApplication>
#include <QLabel>

#ifndef VAVIVOR_VERSION
#define VAVIVOR_VERSION "1.01"
#endif

namespace vavivor {

namespace {

const ControlNote kAboutNotes[] = {
    {"Label1", "What Vavivor does"},
    {"Label2", "The version of this program"},
};

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About VAVIVOR"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(twipsSize(4680, 1920));

    // The labels are drawn in the colour of a window's background (white as a rule) on black.
    const QColor text = QApplication::palette().color(QPalette::Base);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* description = new QLabel(QStringLiteral("Breeding Zeloids by selection"), this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setGeometry(twipsRect(120, 360, 4215, 375));
    description->setFont(windowFont(12.0, true));
    description->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("VAVIVOR version " VAVIVOR_VERSION), this);
    version->setObjectName(QStringLiteral("Label2"));
    version->setGeometry(twipsRect(240, 1080, 4095, 375));
    version->setFont(windowFont(12.0, false));
    version->setAlignment(Qt::AlignCenter);
    noteControls(*this, kAboutNotes);
}

} // namespace vavivor
