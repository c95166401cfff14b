#include "output_files.h"

#include "commands.h"
#include "core/write_all.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vavivor::cli {

namespace {

// The path with its folders resolved, also for a file that does not exist yet.
QString resolvedPath(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (info.exists()) {
        return info.canonicalFilePath();
    }
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
}

bool sameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The file that writing `path` changes: the end of a chain of symbolic links.
std::string linkTarget(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isSymLink()) {
        return path;
    }
    const QString canonical = info.canonicalFilePath();
    return (canonical.isEmpty() ? info.symLinkTarget() : canonical).toStdString();
}

std::string systemReason(int error) {
    return error == 0 ? std::string("the system gave no reason") : std::strerror(error);
}

// Copies all of `from`, from its start, to `to`; false with errno set on failure.
bool copyAll(int from, int to) {
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        offset += got;
        int error = 0;
        writeAll(to, buffer, static_cast<std::size_t>(got), &error);
        if (error != 0) {
            errno = error;
            return false;
        }
    }
}

// A writer's sentence about the new file, made a reason about `path`: "Could not write
// NEW: No space left on device." gives "No space left on device".
std::string reasonAbout(std::string sentence, const std::string& file, const std::string& path) {
    for (std::size_t at = sentence.find(file); at != std::string::npos;
         at = sentence.find(file, at + path.size())) {
        sentence.replace(at, file.size(), path);
    }
    for (const std::string& prefix :
         {"Could not write " + path + ": ", "the file " + path + " could not be written: "}) {
        if (sentence.starts_with(prefix)) {
            sentence.erase(0, prefix.size());
        }
    }
    while (!sentence.empty() && sentence.back() == '.') {
        sentence.pop_back();
    }
    return sentence.empty() ? std::string("the system gave no reason") : sentence;
}

} // namespace

std::string lowerCaseStart(std::string text, std::size_t first) {
    if (first + 1 < text.size() && std::isupper(static_cast<unsigned char>(text[first])) &&
        std::islower(static_cast<unsigned char>(text[first + 1]))) {
        text[first] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[first])));
    }
    return text;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
        return sameInode(sa, sb);
    }
    return resolvedPath(a) == resolvedPath(b);
}

int refuseOutputOverInput(const std::vector<std::string>& outputs,
                          const std::vector<std::string>& inputs, std::ostream& err) {
    struct stat standardOutput {};
    const bool standardOutputIsFile =
        ::fstat(STDOUT_FILENO, &standardOutput) == 0 && S_ISREG(standardOutput.st_mode);
    for (const std::string& output : outputs) {
        for (const std::string& input : inputs) {
            bool same = false;
            if (!output.empty()) {
                same = sameFile(output, input);
            } else if (standardOutputIsFile) {
                struct stat in {};
                same = ::stat(input.c_str(), &in) == 0 && sameInode(in, standardOutput);
            }
            if (same) {
                err << "vavivor-cli: will not write "
                    << (output.empty() ? std::string("standard output") : output)
                    << " over the input file " << input << "\n";
                return kExitUsage;
            }
        }
    }
    return kExitOk;
}

int writeWhole(const std::string& path, std::ostream& err,
               const std::function<bool(const std::string& file, std::string* reason)>& write) {
    const std::string target = linkTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    const bool replace = !exists || S_ISREG(existing.st_mode);
    const auto fail = [&](const std::string& reason) {
        err << "vavivor-cli: could not write " << path << ": " << lowerCaseStart(reason) << ".\n";
        return kExitFailure;
    };

    // First the file that will take the place of `path` (a device or pipe is written as it is),
    // so that a folder that takes no file is found before any work.
    std::string fresh;
    const int out = replace ? createFileBeside(QString::fromStdString(target), &fresh)
                            : ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (out < 0) {
        return fail(systemReason(errno));
    }
    const auto discard = [&](const std::string& reason) {
        ::close(out);
        if (replace) {
            ::unlink(fresh.c_str());
        }
        return fail(reason);
    };
    // A replaced file keeps its permissions.
    if (exists && replace) {
        ::fchmod(out, existing.st_mode & 07777);
    }

    // The writers write into memory, where they cannot fail half-way; the whole file then goes
    // to its place, and any failure there has the system's reason.
    const int memory = ::memfd_create("vavivor-cli", MFD_CLOEXEC);
    if (memory < 0) {
        return discard(systemReason(errno));
    }
    const std::string file = "/proc/self/fd/" + std::to_string(memory);
    std::string reason;
    if (!write(file, &reason)) {
        ::close(memory);
        return discard(reasonAbout(reason, file, path));
    }
    const bool copied = copyAll(memory, out) && (!replace || ::fsync(out) == 0);
    const int error = errno;
    ::close(memory);
    if (!copied) {
        return discard(systemReason(error));
    }
    if (::close(out) != 0 || (replace && ::rename(fresh.c_str(), target.c_str()) != 0)) {
        const int failure = errno;
        if (replace) {
            ::unlink(fresh.c_str());
        }
        return fail(systemReason(failure));
    }
    if (replace) {
        syncFolderOf(target); // the new name as well as the bytes
    }
    return kExitOk;
}

} // namespace vavivor::cli
