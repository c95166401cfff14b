#pragma once

#include "record_io.h"

#include <string>

namespace vavivor {

// The record that the record-deletion window shows, as it was read when the window was
// filled: DELETE deletes it only while the storage file still holds exactly this record.
struct ShownRecord {
    std::string path; // the storage file it was read from
    int number = 0;
    RecordBytes bytes{};
};

// The record-deletion window frmZelDelete as the catalogue logic sees it.
class DeleteView {
public:
    virtual ~DeleteView() = default;

    // Captions of lblFMD2 (the record number), Label4 ("True" or "False") and lblFMD6 (the
    // description).
    virtual void setRecordCaptions(const std::string& number, const std::string& mutations,
                                   const std::string& description) = 0;
    // The record the captions describe, kept with the window.
    virtual void setShownRecord(const ShownRecord& record) = 0;
    [[nodiscard]] virtual const ShownRecord& shownRecord() const = 0;
    // Shown without making it modal; hidden.
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

} // namespace vavivor
