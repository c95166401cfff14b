#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>

namespace vavivor {

// Writes all `size` bytes of `data` to the open file `fd`, at its position or at `offset`,
// going on after interruptions and short writes. Returns how many bytes went out; `error` gets
// the errno of the write that stopped it (ENOSPC for one that took nothing and gave no reason),
// and stays as it was when all went out.
std::size_t writeAll(int fd, const void* data, std::size_t size, int* error,
                     std::optional<off_t> offset = std::nullopt);

// Flushes the folder that holds `path` to the disk, so that a file newly made in it keeps its
// name after a crash as well as its bytes. Best effort: a folder that cannot be opened or
// synced is left as it is.
void syncFolderOf(const std::string& path);

} // namespace vavivor
