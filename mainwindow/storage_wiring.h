#pragma once

#include <functional>

namespace vavivor {

class StoreChoiceView;
class MainWindow;

// Connects File > Save, Load/Delete, Change Storage file and Delete Storage file of the main
// window to the storage logic, and start-up's storage steps (the storage list, then the scan)
// through setStorageStartUp, and the opening of a storage file named on the command line through
// setStorageFileOpener. The catalogue and record-deletion windows are made the first
// time they are needed and then only hidden and shown; the catalogue's Print Catalogue calls
// `printCatalogue`, its Print Preview `previewCatalogue`. `storeChoice` is the storage-file
// selection that the storage list fills; it must live as long as the window.
void connectStorage(MainWindow& window, StoreChoiceView& storeChoice,
                    std::function<void()> printCatalogue,
                    std::function<void()> previewCatalogue = {});

} // namespace vavivor
