#pragma once

#include "catalogue_view.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QListWidget;

namespace vavivor {

// frmZelStrCat, "STORED DATA CATALOGUE": the live records of the current storage file, one
// line each, with the menus Print Catalogue and Record (Load, Delete). Modeless; closing it
// only hides it.
class ZelStrCat : public QMainWindow, public CatalogueView {
    Q_OBJECT

public:
    explicit ZelStrCat(QWidget* parent = nullptr);

    // CatalogueView
    void clearRows() override;
    void addRow(const std::string& line) override;
    [[nodiscard]] int selectedRow() const override;
    // Elided in the middle when it is too wide; whole in the tooltip.
    void setStoreCaption(const std::string& caption) override;
    void showWindow() override;
    void hideWindow() override;

signals:
    // Record > Load, or a double click on a row.
    void loadRequested();
    // Record > Delete.
    void deleteRequested();
    // Print Catalogue.
    void printRequested();

private:
    QLabel* m_caption = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace vavivor
