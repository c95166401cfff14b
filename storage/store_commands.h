#pragma once

#include "core/program_state.h"
#include "core/services.h"
#include "store_choice_view.h"

#include <string>

namespace vavivor {

// File > Change Storage file: the file dialog until a file has been taken or the user cancels.
void changeStorageFile(ProgramState& state, Services& services, StoreChoiceView& storeChoice);

// File > Delete Storage file: the file dialog until a file has been dealt with or the user
// cancels.
void deleteStorageFile(ProgramState& state, Services& services, StoreChoiceView& storeChoice);

// Makes `path` the current storage file, adding it to the storage list when it is new (a new
// file is created empty), rewrites the list and rescans. When the file cannot be used or the
// list cannot be written, a message box says why and nothing changes. Always true: the
// command ends.
bool changeStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                 const std::string& path);

// A storage file named when the program starts (a file opened from the file manager): made
// the current storage file by changeStore(), with its checks and messages, as if the file
// dialog had given it; a relative path is taken from the working folder. True when it is the
// current storage file afterwards.
bool openStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
               const std::string& path);

// Deletes the listed storage file `path` from the list and from the disk after the checks and
// the confirmation. False when the file is refused (not listed, or the default), so that the
// dialog is shown again; true otherwise, whether or not the user confirmed.
bool deleteStore(ProgramState& state, Services& services, StoreChoiceView& storeChoice,
                 const std::string& path);

inline constexpr const char* kChangeTitle = "SELECT/CREATE A STORAGE FILE";
inline constexpr const char* kDeleteDialogTitle = "DELETE A STORAGE FILE";
inline constexpr const char* kDeletingTitle = "DELETING A STORAGE FILE";

} // namespace vavivor
