#include "app/wiring.h"

#include <QApplication>

using namespace vavivor;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vavivor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAVIVOR_VERSION));
    // Ties the window to its launcher (and the launcher's icon) on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vavivor.Vavivor"));
    return runProgram();
}
