#pragma once

#include <string>

namespace vavivor {

// The record-deletion window frmZelDelete as the catalogue logic sees it.
class DeleteView {
public:
    virtual ~DeleteView() = default;

    // Captions of lblFMD2 (the record number), Label4 ("True" or "False") and lblFMD6 (the
    // description).
    virtual void setRecordCaptions(const std::string& number, const std::string& mutations,
                                   const std::string& description) = 0;
    // Caption of lblFMD2.
    [[nodiscard]] virtual std::string recordNumberCaption() const = 0;
    // Shown without making it modal; hidden.
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

} // namespace vavivor
