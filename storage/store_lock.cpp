#include "store_lock.h"

#include <QLockFile>
#include <QString>

namespace vavivor {

StoreLock::StoreLock(const std::string& storePath)
    : m_storePath(storePath),
      m_lock(std::make_unique<QLockFile>(QString::fromStdString(storePath + ".lock"))) {}

StoreLock::~StoreLock() = default;

bool StoreLock::acquire(std::string* error, int timeoutMs) {
    if (m_lock->tryLock(timeoutMs)) {
        return true;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        *error = "The storage file " + m_storePath +
                 " is being written by another copy of Vavivor; try again in a moment.";
        return false;
    }
    // No lock file could be made here; the write itself reports what is wrong, if anything.
    return true;
}

} // namespace vavivor
