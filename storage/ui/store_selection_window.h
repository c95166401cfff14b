#pragma once

#include "storage/store_choice_view.h"

#include <QWidget>

class QListWidget;

namespace vavivor {

// frmZelStrSel, "STORAGE FILE SELECTION": the storage list for the catalogue print. SELECT
// prints the selected file (all files when none is selected), ALL prints every file, a double
// click prints the file clicked. Modeless; closing it only hides it.
class StoreSelectionWindow : public QWidget, public StoreChoiceView {
    Q_OBJECT

public:
    explicit StoreSelectionWindow(QWidget* parent = nullptr);

    // Shows the window with no entry selected and none current, so that none looks chosen. For
    // the preview, the file chosen is shown in the print preview instead of printed.
    void showStoreSelection(bool preview = false);
    [[nodiscard]] bool forPreview() const { return m_preview; }

    // StoreChoiceView
    void setStoreEntries(const std::vector<std::string>& paths) override;

signals:
    // The catalogue of storage file n (from 1) is asked for; 0 means every file.
    void printRequested(int n);

private:
    void printChosenCatalogue();
    void printEveryCatalogue();
    void printListedCatalogue(int row);

    QListWidget* m_list = nullptr;
    bool m_preview = false;
};

} // namespace vavivor
