#include "write_all.h"

#include <cerrno>
#include <fcntl.h>
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

void syncFolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

} // namespace vavivor
