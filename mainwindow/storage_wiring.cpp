#include "storage_wiring.h"

#include "breeding/history_screens.h"
#include "main_window.h"
#include "storage/catalogue.h"
#include "storage/save_record.h"
#include "storage/store_commands.h"
#include "storage/store_list.h"
#include "storage/ui/catalogue_window.h"
#include "storage/ui/delete_record_window.h"

#include <QAction>
#include <QPointer>
#include <memory>
#include <string>
#include <utility>

namespace vavivor {

namespace {

// The storage windows, made on first use. They are children of the main window, which
// deletes them.
class StorageWindows {
public:
    StorageWindows(MainWindow& window, std::function<void()> printCatalogue,
                   std::function<void()> previewCatalogue)
        : m_window(window), m_printCatalogue(std::move(printCatalogue)),
          m_previewCatalogue(std::move(previewCatalogue)) {}

    CatalogueWindow& catalogue() {
        if (m_catalogue.isNull()) {
            m_catalogue = new CatalogueWindow(&m_window);
            QObject::connect(m_catalogue, &CatalogueWindow::loadRequested, m_catalogue, [this] {
                ProgramState& state = m_window.state();
                Services& services = m_window.services();
                if (const auto screen = loadSelectedRecord(state, services, *m_catalogue)) {
                    showLoadedRecord(state, services, *screen);
                }
            });
            QObject::connect(m_catalogue, &CatalogueWindow::deleteRequested, m_catalogue, [this] {
                deleteSelectedRecord(m_window.state(), m_window.services(), *m_catalogue,
                                     [this]() -> DeleteView& { return confirmation(); });
            });
            QObject::connect(m_catalogue, &CatalogueWindow::printRequested, m_catalogue, [this] {
                if (m_printCatalogue) {
                    m_printCatalogue();
                }
            });
            QObject::connect(m_catalogue, &CatalogueWindow::previewRequested, m_catalogue, [this] {
                if (m_previewCatalogue) {
                    m_previewCatalogue();
                }
            });
        }
        return *m_catalogue;
    }

    DeleteRecordWindow& confirmation() {
        if (m_confirmation.isNull()) {
            m_confirmation = new DeleteRecordWindow(&m_window);
            QObject::connect(m_confirmation, &DeleteRecordWindow::deleteConfirmed, m_confirmation,
                             [this] {
                                 deleteConfirmedRecord(m_window.state(), m_window.services(),
                                                       *m_confirmation, catalogue());
                             });
        }
        return *m_confirmation;
    }

    // After a command that may have made another storage file current: a confirmation shown
    // for a record of the old file is closed, and an open catalogue lists the new file under
    // its name.
    void storeCommandDone(const std::string& before) {
        if (m_window.state().store.currentStore == before) {
            return;
        }
        if (!m_confirmation.isNull()) {
            m_confirmation->hideWindow();
        }
        if (!m_catalogue.isNull() && m_catalogue->isVisible()) {
            if (fillCatalogue(m_window.state(), m_window.services(), *m_catalogue)) {
                m_catalogue->setStoreCaption("Storage file: " +
                                             m_window.state().store.currentStore);
            } else {
                m_catalogue->hideWindow();
            }
        }
    }

private:
    MainWindow& m_window;
    std::function<void()> m_printCatalogue;
    std::function<void()> m_previewCatalogue;
    QPointer<CatalogueWindow> m_catalogue;
    QPointer<DeleteRecordWindow> m_confirmation;
};

void onTriggered(MainWindow& window, QAction* action, const std::function<void()>& slot) {
    QObject::connect(action, &QAction::triggered, &window, slot);
}

} // namespace

void connectStorage(MainWindow& window, StoreChoiceView& storeChoice,
                    std::function<void()> printCatalogue, std::function<void()> previewCatalogue) {
    auto windows = std::make_shared<StorageWindows>(window, std::move(printCatalogue),
                                                    std::move(previewCatalogue));
    MainWindow* main = &window;
    StoreChoiceView* choice = &storeChoice;

    onTriggered(window, window.commands().save,
                [main] { saveScreen(main->state(), main->services()); });
    onTriggered(window, window.commands().loadDelete, [main, windows] {
        showCatalogue(main->state(), main->services(), windows->catalogue());
    });
    onTriggered(window, window.commands().changeStorageFile, [main, choice, windows] {
        const std::string before = main->state().store.currentStore;
        changeStorageFile(main->state(), main->services(), *choice);
        windows->storeCommandDone(before);
    });
    onTriggered(window, window.commands().deleteStorageFile, [main, choice, windows] {
        const std::string before = main->state().store.currentStore;
        deleteStorageFile(main->state(), main->services(), *choice);
        windows->storeCommandDone(before);
    });
    // A storage file opened from the file manager: Change Storage file with that file for the
    // dialog's answer, and its catalogue open when it has been taken.
    window.setStorageFileOpener([main, choice, windows](const std::string& path) {
        const std::string before = main->state().store.currentStore;
        const bool taken = openStore(main->state(), main->services(), *choice, path);
        windows->storeCommandDone(before);
        if (taken) {
            showCatalogue(main->state(), main->services(), windows->catalogue());
        }
    });
    window.setStorageStartUp(
        [main, choice] { storageStartUp(main->state(), main->services(), *choice); });
}

} // namespace vavivor
