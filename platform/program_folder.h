#pragma once

#include <string>

namespace vavivor {

// The file name of the help collection; its documentation file beside it ends in .qch.
inline constexpr const char* kHelpCollectionName = "ZelHelp.qhc";
// The storage list, in the program folder.
inline constexpr const char* kStoreListName = "str-data.txt";
// A file of this name beside the executable keeps the program's data beside it too.
inline constexpr const char* kPortableMarkerName = "portable";

// The program folder of an executable in `executableFolder`, where the storage list and the
// default storage file live, without a trailing separator: that folder when it holds the
// storage list or a file named "portable" (a copy that keeps its figures beside itself),
// otherwise the per-user data folder $XDG_DATA_HOME/Vavivor (~/.local/share/Vavivor), created
// when it is missing. The help has no say: a build folder holds the help, and the figures must
// outlive the build folder.
std::string programFolderFor(const std::string& executableFolder);

// The program folder of this program.
std::string programFolder();

// The help collection: in `programFolder`, else beside the executable, else in the installed
// share folder (<prefix>/share/vavivor). When none of them has it, the path in `programFolder`,
// so that the help viewer can name the missing file.
std::string helpFilePath(const std::string& programFolder);

} // namespace vavivor
