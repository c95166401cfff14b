#pragma once

#include <string>
#include <vector>

namespace vavivor {

// The list lstZel of the storage-file selection window, which the storage list fills.
class StoreChoiceView {
public:
    virtual ~StoreChoiceView() = default;

    // Replaces the whole list: one row per storage file, in list order (row r is entry r + 1).
    virtual void setStoreEntries(const std::vector<std::string>& paths) = 0;
};

} // namespace vavivor
