#pragma once

#include "catalogue_view.h"
#include "core/genome.h"

#include <QImage>
#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vavivor {

class CatalogueColumns;

// frmZelStrCat, "STORED DATA CATALOGUE": the live records of the current storage file, one
// line each with a small picture of the record's first figure, a field that narrows the list
// to the descriptions holding a text, and the menus Print Catalogue and Record (Load, Delete).
// Modeless; closing it only hides it.
class ZelStrCat : public QMainWindow, public CatalogueView {
    Q_OBJECT

public:
    explicit ZelStrCat(QWidget* parent = nullptr);

    // The picture beside a line whose first figure has `genes`, at `pixels` square.
    static QImage figureThumbnail(const GeneSet& genes, int pixels);
    // How many pictures have been made so far: they are made as their lines come into view.
    [[nodiscard]] int thumbnailsMade() const;

    // CatalogueView. A row that the filter hides keeps its place, so that the selected row
    // still counts every line.
    void clearRows() override;
    void addRow(const CatalogueRow& row) override;
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
    // Hides the rows whose description does not hold the filter's text, and unselects them.
    void applyFilter();

    QLabel* m_caption = nullptr;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
    CatalogueColumns* m_columns = nullptr;
};

} // namespace vavivor
