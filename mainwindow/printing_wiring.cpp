#include "printing_wiring.h"

#include "main_window.h"
#include "platform/qt_printer_page.h"
#include "printing/catalogue_print.h"
#include "printing/graphics_print.h"
#include "printing/ui/qt_print_dialogs.h"
#include "storage/ui/store_selection_window.h"

#include <QAction>
#include <QStatusBar>

namespace vavivor {

namespace {

// How long the note of a finished print stays before the window's own note (the seed of a chain
// of mutants, say) shows again.
constexpr int kPrintNoteMs = 10000;

} // namespace

StoreSelectionWindow& connectPrinting(MainWindow& window) {
    Services& services = window.services();
    if (auto* dialogs = dynamic_cast<QtPrintDialogs*>(&services.printDialogs)) {
        dialogs->setParent(&window);
    }
    if (auto* printer = dynamic_cast<QtPrinterPage*>(&services.printer)) {
        printer->setReport([&window](const std::string& text) {
            window.statusBar()->showMessage(QString::fromStdString(text), kPrintNoteMs);
        });
    }
    QObject::connect(window.commands().print, &QAction::triggered, &window,
                     [&window] { printScreen(window.state(), window.services()); });
    QObject::connect(window.commands().preview, &QAction::triggered, &window,
                     [&window] { previewScreen(window.state(), window.services()); });
    auto* selection = new StoreSelectionWindow(&window);
    QObject::connect(selection, &StoreSelectionWindow::printRequested, &window,
                     [&window, selection](int n) {
                         const auto file = static_cast<std::int16_t>(n);
                         if (selection->forPreview()) {
                             previewCatalogue(window.state(), window.services(), file);
                         } else {
                             printCatalogue(window.state(), window.services(), file);
                         }
                     });
    return *selection;
}

} // namespace vavivor
