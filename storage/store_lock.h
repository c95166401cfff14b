#pragma once

#include "store_file.h"

#include <string>

namespace vavivor {

// Keeps two copies of the program from writing one storage file at the same moment: an
// exclusive lock on the storage file itself, held from acquire() until the object goes away.
// It needs no file beside the storage file, so it works wherever the file can be written, and
// the system lets go of it when the copy that holds it ends, however it ends.
class StoreLock {
public:
    explicit StoreLock(std::string storePath, IfMissing ifMissing = IfMissing::Create);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Waits up to `timeoutMs` for the lock. False, with a sentence in `error`, when another
    // copy holds it all that time or the file cannot be opened for writing or locked.
    bool acquire(std::string* error, int timeoutMs = 3000);

private:
    void release();

    std::string m_storePath;
    IfMissing m_ifMissing;
    int m_fd = -1;
};

} // namespace vavivor
