#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace vavivor {

// Keeps two copies of the program from writing one storage file at the same moment: a lock
// file beside it ("name.lock"), held from acquire() until the object goes away. A lock left
// by a copy that has died is taken over.
class StoreLock {
public:
    explicit StoreLock(const std::string& storePath);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Waits up to `timeoutMs` for the lock. Where no lock file can be made (a folder that may
    // not be written) nobody else can make one either, and this succeeds without it. False,
    // with a sentence in `error`, when another copy holds the lock all that time.
    bool acquire(std::string* error, int timeoutMs = 3000);

private:
    std::string m_storePath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace vavivor
