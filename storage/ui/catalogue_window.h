#pragma once

#include "core/genome.h"
#include "storage/catalogue_view.h"

#include <QImage>
#include <QMainWindow>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vavivor {

class CatalogueColumns;

// frmZelStrCat, "STORED DATA CATALOGUE": the live records of the current storage file, one
// line each with a small picture of the record's first figure, a field that narrows the list
// to the descriptions holding a text, and the menus Print Catalogue, Print Preview and Record
// (Load, Delete). Modeless; closing it only hides it.
class CatalogueWindow : public QMainWindow, public CatalogueView {
    Q_OBJECT

public:
    explicit CatalogueWindow(QWidget* parent = nullptr);

    // The pictures' width and height in pixels at a scale of 1.
    static constexpr int kThumbnailPixels = 64;

    // The picture beside a line whose first figure has `genes`, at `pixels` square.
    static QImage figureThumbnail(const GeneSet& genes, int pixels);
    // How many pictures have been made so far: they are made as their lines come into view.
    [[nodiscard]] int thumbnailsMade() const;

    // CatalogueView. A row that the filter hides keeps its place, so that the selected row
    // still counts every line.
    void clearRows() override;
    void addRow(const CatalogueRow& row) override;
    [[nodiscard]] int selectedRow() const override;
    // Elided in the middle when it is too wide; whole in the tooltip. It ends a refill: a list
    // of the file listed before keeps its place (the top line and the selected record, or the
    // records after them when they are gone), the list of another file starts at its first
    // line with nothing selected.
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
    // Print Preview.
    void previewRequested();

private:
    // Where the list stood when it was emptied for a refill: the record numbers of its top
    // line and of the selected line (0 for none).
    struct Place {
        int top = 0;
        int selected = 0;
    };

    // Hides the rows whose description does not hold the filter's text, and unselects them.
    void applyFilter();
    // Shows "No record matches" while the filter leaves no line in view.
    void showWhetherNothingMatches();
    // Scrolls to the place kept by clearRows().
    void restorePlace(const Place& place);

    QLabel* m_caption = nullptr;
    QLabel* m_noMatch = nullptr;
    QString m_listedCaption;
    std::optional<Place> m_place; // kept from clearRows() for setStoreCaption()
    int m_matching = 0;           // lines that the filter lets through
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
    CatalogueColumns* m_columns = nullptr;
};

} // namespace vavivor
