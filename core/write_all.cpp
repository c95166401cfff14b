#include "write_all.h"

#include <cerrno>
#include <unistd.h>

namespace vavivor {

std::size_t writeAll(int fd, const void* data, std::size_t size, int* error,
                     std::optional<off_t> offset) {
    const auto* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put =
            offset ? ::pwrite(fd, bytes + done, size - done, *offset + static_cast<off_t>(done))
                   : ::write(fd, bytes + done, size - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
        } else if (put < 0 && errno == EINTR) {
            continue;
        } else {
            *error = put < 0 ? errno : ENOSPC;
            break;
        }
    }
    return done;
}

} // namespace vavivor
