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

    // Shows the window with no entry selected and none current, so that none looks chosen.
    void showStoreSelection();

    // StoreChoiceView
    void setStoreEntries(const std::vector<std::string>& paths) override;

signals:
    // The catalogue of storage file n (from 1) is asked for; 0 means every file.
    void printRequested(int n);

private:
    void cmdZelSel_Click();
    void cmdZelAll_Click();
    void lstZel_DblClick(int row);

    QListWidget* m_list = nullptr;
};

} // namespace vavivor
