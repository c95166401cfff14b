#include "listed_stores.h"

#include "platform/program_folder.h"
#include "storage/store_list_io.h"

namespace vavivor::cli {

std::optional<std::vector<std::string>> listedStoreFiles(const std::string& folder,
                                                         std::string* error) {
    const std::string path = folder + "/" + kStoreListName;
    const StoreListRead read = readStoreListFile(path);
    if (read.status != StoreListStatus::Ok) {
        *error = "the storage list " + path + " cannot be used: " + read.problem;
        return std::nullopt;
    }
    std::vector<std::string> files;
    for (std::size_t i = 0; i < read.list.entries.size(); ++i) {
        files.push_back(i == 0 ? defaultStorePath(folder, read.list.entries[0])
                               : read.list.entries[i]);
    }
    return files;
}

} // namespace vavivor::cli
