#include "wiring.h"

#include "breeding_wiring.h"
#include "core/random_source.h"
#include "history_wiring.h"
#include "lineage_export_wiring.h"
#include "main_window.h"
#include "platform/fonts.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_help_viewer.h"
#include "platform/qt_printer_page.h"
#include "platform/system_clock.h"
#include "printing/ui/qt_print_dialogs.h"
#include "printing_wiring.h"
#include "replay_wiring.h"
#include "runs_wiring.h"
#include "share_wiring.h"
#include "storage/ui/store_selection_window.h"
#include "storage_wiring.h"

#include <QApplication>
#include <QTimer>

namespace vavivor {

void wireProgram(MainWindow& window) {
    connectBreeding(window);
    connectHistory(window);
    connectReplay(window);
    connectSharing(window);
    connectRuns(window);
    connectLineageExport(window);
    // The storage-file selection belongs to the catalogue print; the storage list fills it and
    // the catalogue's Print Catalogue and Print Preview show it.
    StoreSelectionWindow& selection = connectPrinting(window);
    connectStorage(
        window, selection, [&selection] { selection.showStoreSelection(); },
        [&selection] { selection.showStoreSelection(true); });
}

int runProgram(const std::string& programFolder, const std::string& storageFile) {
    registerFontSubstitutions();
    useWindowFace();
    QtDialogs dialogs;
    QtPrinterPage printer;
    QtPrintDialogs printDialogs(printer);
    QtHelpViewer help;
    TwisterRandom random;
    SystemClock clock;

    MainWindow window(PlatformServices{dialogs, printDialogs, printer, help, random, clock});
    dialogs.setParent(&window);
    wireProgram(window);
    if (!programFolder.empty()) {
        window.setProgramFolder(programFolder);
    }
    // A storage file that cannot be used or a damaged list is reported over the window, once
    // the window is on the screen, not on an empty screen before it.
    dialogs.holdMessages();
    window.startUp();
    window.show();
    QTimer::singleShot(0, &window, [&dialogs, &window, storageFile] {
        dialogs.releaseMessages();
        if (!storageFile.empty()) {
            window.openStorageFile(storageFile);
        }
    });
    return QApplication::exec();
}

} // namespace vavivor
