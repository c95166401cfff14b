#include "wiring.h"

#include "breeding_wiring.h"
#include "history_wiring.h"
#include "lineage_export_wiring.h"
#include "platform/fonts.h"
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

QtProgram::QtProgram() {
    dialogs.setParent(&window);
    wireProgram(window);
}

int runProgram(const std::string& programFolder, const std::string& storageFile) {
    registerFontSubstitutions();
    useWindowFace();
    QtProgram program;
    QtDialogs& dialogs = program.dialogs;
    MainWindow& window = program.window;
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
