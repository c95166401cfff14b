#pragma once

namespace vavivor {

class StoreSelectionWindow;
class MainWindow;

// Connects File > Print and Print Preview to the graphics print, and creates the storage file
// selection window, hidden, whose SELECT and ALL print the catalogue, or preview it when the
// window was shown for the preview. Where the window's services are
// the Qt printer and dialogs, the dialogs get the window as their parent and the printer
// reports where a document went in the status bar. Returns the selection window: the storage
// list fills it, the catalogue window shows it.
StoreSelectionWindow& connectPrinting(MainWindow& window);

} // namespace vavivor
