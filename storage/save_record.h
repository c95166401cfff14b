#pragma once

#include "core/program_state.h"
#include "core/services.h"
#include "record_io.h"

#include <cstdint>
#include <string>

namespace vavivor {

// File > Save: findFreeRecord, then saveRecord.
void saveScreen(ProgramState& state, Services& services);

// The lowest deleted record number of the current storage file, or nextRecord to append.
std::int16_t findFreeRecord(const StoreState& store);

// The description input box, asked again after a message until the answer has at most 20
// characters, all of the Windows-1252 character set. The empty text means Cancel or an
// empty answer.
std::string askDescription(const ProgramState& state, Services& services);

// The record that saving writes for what the breeding screen shows: the sequence of 25 gene
// sets while a sequence is shown, otherwise the central figure.
StorageRecord recordToSave(const ProgramState& state,
                           const std::array<char, kDescriptionSize>& description);

// Checks that the current storage file can take a record (it can be opened for writing and
// locked, and is not full), then asks for the description and writes the record as record n
// of the file, or, when another copy of the program has taken n in the meantime, as the
// lowest record number that is free in the file; the check is made again under the lock
// that the write holds. Updates the bookkeeping and enables Load/Delete. Returns the record
// number written, or 0 when nothing was written (Cancel, or a failure that a message box has
// reported).
int saveRecord(ProgramState& state, Services& services, int n);

// Titles and texts of the save dialogs.
inline constexpr const char* kDescriptionPrompt =
    "Please enter a description for the Zeloid/s\n(Not longer than 20 characters).";
inline constexpr const char* kDescriptionTooLong = "The description must be between 1 and 20 char.";

} // namespace vavivor
