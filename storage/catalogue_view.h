#pragma once

#include "catalogue_row.h"

#include <string>

namespace vavivor {

// The catalogue window frmZelStrCat as the catalogue logic sees it.
class CatalogueView {
public:
    virtual ~CatalogueView() = default;

    // The list lstZELCat: emptied, then one line per row.
    virtual void clearRows() = 0;
    virtual void addRow(const CatalogueRow& row) = 0;
    // The selected row (from 0), or -1 when no row is selected.
    [[nodiscard]] virtual int selectedRow() const = 0;
    // Caption of lblFMC5.
    virtual void setStoreCaption(const std::string& caption) = 0;
    // Shown without making it modal; hidden.
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

} // namespace vavivor
