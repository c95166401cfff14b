#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vavivor::cli {

// The storage files of the storage list in `folder`, in list order, entry 1 (the default
// storage file) made a full path as the program makes it. Nothing, with a one-line reason in
// `error`, when the list is missing or cannot be read.
std::optional<std::vector<std::string>> listedStoreFiles(const std::string& folder,
                                                         std::string* error);

} // namespace vavivor::cli
