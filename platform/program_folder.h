#pragma once

#include <string>

namespace vavivor {

// The file name of the help collection; its documentation file beside it ends in .qch.
inline constexpr const char* kHelpCollectionName = "ZelHelp.qhc";
// The storage list, in the program folder.
inline constexpr const char* kStoreListName = "str-data.txt";

// The program folder, where the storage list and the default storage file live, without a
// trailing separator: the executable's folder when it is writable and holds the storage list
// or the help (a build tree, a portable copy), otherwise the per-user data folder
// ~/.local/share/Vavivor, created when it is missing.
std::string programFolder();

// The help collection: in `programFolder`, else beside the executable, else in the installed
// share folder (<prefix>/share/vavivor). When none of them has it, the path in `programFolder`,
// so that the help viewer can name the missing file.
std::string helpFilePath(const std::string& programFolder);

} // namespace vavivor
