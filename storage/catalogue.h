#pragma once

#include "catalogue_view.h"
#include "core/program_state.h"
#include "core/screen.h"
#include "core/services.h"
#include "delete_view.h"
#include "record_io.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vavivor {

// File > Load/Delete: fills the catalogue, names the storage file in lblFMC5 and shows the
// window. When the storage file cannot be read, a message box says why instead.
void showCatalogue(ProgramState& state, Services& services, CatalogueView& view);

// One catalogue row per live whole record of the current storage file, in record order, and
// catalogueMap to match. On a file that cannot be read the list is left empty, with a message;
// returns whether the file was read.
bool fillCatalogue(ProgramState& state, Services& services, CatalogueView& view);

// The record number of the selected row, or 0 after the "LIST RECORD" message when no row
// is selected.
std::int16_t selectedRecord(const ProgramState& state, Services& services,
                            const CatalogueView& view);

// The screen that loading record n of the current storage file shows. A record that cannot
// be read, or a position that is not finite or rounds outside 1..9, is refused with a message;
// nothing then.
std::optional<Screen> readRecord(ProgramState& state, Services& services, int n);

// The screen of record n of the storage file `store`, each position rounded to a whole number:
// a single figure with its relatives, a sequence on the review screen. Nothing when a position
// does not round to a whole number 1..9.
std::optional<Screen> screenOfRecord(const StorageRecord& record, int n, const std::string& store);

// The record-deletion window for record n with its number, kind and description; the window
// keeps the record as it was read.
void confirmDelete(ProgramState& state, Services& services, DeleteView& view, int n);

// Marks the record shown deleted (only its flag changes), refills the catalogue and keeps
// nextRecord and the Load/Delete item up to date. When the current storage file is no longer
// the one the record was shown from, or the record is no longer the one shown (another copy
// of the program has deleted it and saved another in its place), a message says so, the
// catalogue is refilled and nothing is deleted.
void deleteRecord(ProgramState& state, Services& services, CatalogueView& view,
                  const ShownRecord& shown);

// The catalogue's events.
// Double-click on a row, or Record > Load: the screen of the selected record, the catalogue
// hidden; the caller shows it. A record that is refused leaves the catalogue open, so that
// another can be chosen; nothing then.
std::optional<Screen> loadSelectedRecord(ProgramState& state, Services& services,
                                         CatalogueView& view);
// Record > Delete: the confirmation for the selected record; the catalogue stays open. The
// confirmation window is asked for only when a record is selected.
void deleteSelectedRecord(ProgramState& state, Services& services, const CatalogueView& view,
                          const std::function<DeleteView&()>& confirmation);
// DELETE in the confirmation: the record it shows.
void deleteConfirmedRecord(ProgramState& state, Services& services, DeleteView& confirmation,
                           CatalogueView& view);

inline constexpr const char* kListRecordTitle = "LIST RECORD";
inline constexpr const char* kSelectFirst = "You must SELECT an item first.";

} // namespace vavivor
