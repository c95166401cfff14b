#include "store_lock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace vavivor {

namespace {

// Whether `fd` is still the file at `path`: another copy may have deleted the storage file,
// or replaced it, while this one waited.
bool stillThere(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

StoreLock::StoreLock(std::string storePath, IfMissing ifMissing)
    : m_storePath(std::move(storePath)), m_ifMissing(ifMissing) {}

StoreLock::~StoreLock() {
    release();
}

void StoreLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd); // lets go of the lock
        m_fd = -1;
    }
}

bool StoreLock::acquire(std::string* error, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        release();
        m_fd = openStoreForWriting(m_storePath, m_ifMissing, error);
        if (m_fd < 0) {
            return false;
        }
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillThere(m_fd, m_storePath)) {
                return true;
            }
            // Otherwise the file that the name stands for now is opened and locked.
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            *error = "Could not lock the storage file " + m_storePath + ": " +
                     std::strerror(errno) + ".";
            release();
            return false;
        }
        if (Clock::now() >= deadline) {
            *error = "The storage file " + m_storePath +
                     " is being written by another copy of Vavivor; try again in a moment.";
            release();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace vavivor
