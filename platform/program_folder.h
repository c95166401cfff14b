#pragma once

#include <string>
#include <vector>

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

// The folders the help collection is looked for in, in this order and each once:
// `programFolder`, `executableFolder`, and the share folder of an installed program
// (<prefix>/share/vavivor beside <prefix>/bin).
std::vector<std::string> helpFoldersFor(const std::string& programFolder,
                                        const std::string& executableFolder);

// The help collection in the first of helpFoldersFor() that holds it. When none of them has
// it, the path in `programFolder`, so that the help viewer can name the missing file; the
// folders looked in are then kept for helpFoldersLookedIn().
std::string helpFilePathFor(const std::string& programFolder, const std::string& executableFolder);

// helpFilePathFor() with this program's executable folder.
std::string helpFilePath(const std::string& programFolder);

// The folders that a missing help file `path` was looked for in: every folder of the last
// lookup when that lookup found nothing and gave `path`, otherwise the folder of `path`.
std::vector<std::string> helpFoldersLookedIn(const std::string& path);

} // namespace vavivor
