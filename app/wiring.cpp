#include "wiring.h"

#include "breeding/breeding_wiring.h"
#include "breeding/history_wiring.h"
#include "mainwindow/zel_main.h"
#include "printing/printing_wiring.h"
#include "printing/store_selection_window.h"
#include "storage/storage_wiring.h"

namespace vavivor {

void wireProgram(ZelMain& window) {
    connectBreeding(window);
    connectHistory(window);
    // The storage-file selection belongs to the catalogue print; the storage list fills it and
    // the catalogue's Print Catalogue shows it.
    StoreSelectionWindow& selection = connectPrinting(window);
    connectStorage(window, selection, [&selection] { selection.showStoreSelection(); });
}

} // namespace vavivor
