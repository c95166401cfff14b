#include "app/wiring.h"
#include "core/random_source.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_help_viewer.h"
#include "platform/qt_printer_page.h"
#include "platform/system_clock.h"
#include "printing/qt_print_dialogs.h"

#include <QApplication>

using namespace vavivor;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vavivor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAVIVOR_VERSION));
    // Ties the window to its launcher (and the launcher's icon) on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vavivor.Vavivor"));
    registerFontSubstitutions();

    QtDialogs dialogs;
    QtPrinterPage printer;
    QtPrintDialogs printDialogs(printer);
    QtHelpViewer help;
    TwisterRandom random;
    SystemClock clock;

    ZelMain window(PlatformServices{dialogs, printDialogs, printer, help, random, clock});
    dialogs.setParent(&window);
    wireProgram(window);
    window.startUp();
    window.show();
    return QApplication::exec();
}
