#include "store_file.h"

#include "core/number_text.h"
#include "core/write_all.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vavivor {

namespace {

std::string failure(const std::string& verb, const std::string& path, const QFile& file) {
    return "Could not " + verb + " the storage file " + path + ": " +
           file.errorString().toStdString() + ".";
}

// The same with the system's words for `errorNumber` ("No space left on device").
std::string systemFailure(const std::string& verb, const std::string& path, int errorNumber) {
    return "Could not " + verb + " the storage file " + path + ": " + std::strerror(errorNumber) +
           ".";
}

// A descriptor that is closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
};

// Puts `bytes` at `offset` of the open file and waits until they are on the disk. When that
// fails, the bytes overwritten are written back and the file is cut to its old length, so that
// it is as it was. Returns 0, or the reason (an errno value).
int writeWhole(int fd, std::span<const std::uint8_t> bytes, off_t offset) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return errno;
    }
    const off_t oldLength = status.st_size;
    std::vector<std::uint8_t> old(bytes.size());
    std::size_t had = 0;
    if (offset < oldLength) {
        const auto wanted = std::min(bytes.size(), static_cast<std::size_t>(oldLength - offset));
        const ssize_t n = ::pread(fd, old.data(), wanted, offset);
        if (n < 0) {
            return errno;
        }
        had = static_cast<std::size_t>(n);
    }
    int reason = 0;
    const std::size_t done = writeAll(fd, bytes.data(), bytes.size(), &reason, offset);
    if (reason == 0 && ::fdatasync(fd) != 0) {
        reason = errno;
    }
    if (reason != 0) {
        int ignored = 0;
        writeAll(fd, old.data(), std::min(done, had), &ignored, offset);
        if (offset + static_cast<off_t>(done) > oldLength && ::ftruncate(fd, oldLength) != 0) {
            // Nothing more to try: the write's own reason is the one reported.
        }
        static_cast<void>(::fdatasync(fd));
    }
    return reason;
}

// Opens for reading, creating a missing file unless told not to. A file that may be created is
// opened for writing as well where it can be, as the open creates it; a write-protected file
// is still read.
bool openStore(QFile& file, IfMissing ifMissing, const std::string& path, std::string* error) {
    if (const auto problem = windowsPathProblem(path)) {
        *error = "Could not open the storage file " + path + ": " + *problem + ".";
        return false;
    }
    const QFileInfo info(file);
    if (info.exists() && !info.isFile()) {
        *error = "Could not open the storage file " + path + ": it is not a plain file.";
        return false;
    }
    if (ifMissing == IfMissing::Fail && !file.exists()) {
        *error = "Could not open the storage file " + path + ": the file does not exist.";
        return false;
    }
    if (ifMissing == IfMissing::Create && file.open(QIODevice::ReadWrite)) {
        return true;
    }
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        return true;
    }
    *error = failure("open", path, file);
    return false;
}

qint64 recordOffset(int n) {
    return static_cast<qint64>(n - 1) * static_cast<qint64>(kRecordSize);
}

// Hands every whole record of the open `file` to `take`, reading a piece of the file at a time
// into one buffer (a buffer of the whole file would cost a page fault for every 4 KiB), and
// fills the length and the trailing bytes of `contents`.
bool readPieces(QFile& file, const std::string& path, StoreContents& contents,
                const std::function<void(const StorageRecord&)>& take, std::string* error) {
    constexpr qint64 kPieceRecords = 256;
    contents.length = file.size();
    std::vector<std::uint8_t> piece(kPieceRecords * kRecordSize);
    for (qint64 left = contents.length; left > 0;) {
        const qint64 wanted = std::min<qint64>(left, static_cast<qint64>(piece.size()));
        if (file.read(reinterpret_cast<char*>(piece.data()), wanted) != wanted) {
            *error = failure("read", path, file);
            return false;
        }
        left -= wanted;
        const auto whole = static_cast<std::size_t>(wanted) / kRecordSize;
        for (std::size_t n = 0; n < whole; ++n) {
            take(decodeRecord(std::span<const std::uint8_t, kRecordSize>(
                piece.data() + n * kRecordSize, kRecordSize)));
        }
        // Only the last piece can end in part of a record.
        contents.tail.assign(piece.begin() + static_cast<std::ptrdiff_t>(whole * kRecordSize),
                             piece.begin() + static_cast<std::ptrdiff_t>(wanted));
    }
    return true;
}

} // namespace

std::optional<std::string> windowsPathProblem(const std::string& path) {
    const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
                       path[1] == ':';
    if (drive || path.find('\\') != std::string::npos) {
        return "it is a Windows path, not a file on this computer";
    }
    return std::nullopt;
}

int scannedRecords(const StoreContents& contents) {
    return static_cast<int>(
        roundHalfEven(static_cast<double>(contents.length) / static_cast<double>(kRecordSize)));
}

bool scannedLive(const StoreContents& contents, int r) {
    const auto index = static_cast<std::size_t>(r - 1);
    if (index < contents.records.size()) {
        return !contents.records[index].isDeleted();
    }
    // The trailing part: its flag as far as the bytes go, zeros beyond.
    const std::uint8_t low = contents.tail.empty() ? 0 : contents.tail[0];
    const std::uint8_t high = contents.tail.size() < 2 ? 0 : contents.tail[1];
    return low == 0 && high == 0;
}

std::optional<StoreContents> readStore(const std::string& path, std::string* error,
                                       IfMissing ifMissing) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, ifMissing, path, error)) {
        return std::nullopt;
    }
    StoreContents contents;
    contents.records.reserve(static_cast<std::size_t>(file.size()) / kRecordSize);
    if (!readPieces(
            file, path, contents,
            [&contents](const StorageRecord& record) { contents.records.push_back(record); },
            error)) {
        return std::nullopt;
    }
    return contents;
}

std::optional<StoreContents>
readStoreRecords(const std::string& path, std::string* error,
                 const std::function<void(int n, const StorageRecord& record)>& take) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, IfMissing::Create, path, error)) {
        return std::nullopt;
    }
    StoreContents contents;
    int n = 0;
    if (!readPieces(
            file, path, contents, [&](const StorageRecord& record) { take(++n, record); }, error)) {
        return std::nullopt;
    }
    return contents;
}

std::optional<StoreContents> readExistingStore(const std::string& path, std::string* error) {
    return readStore(path, error, IfMissing::Fail);
}

std::optional<StorageRecord> readStoreRecord(const std::string& path, int n, std::string* error,
                                             IfMissing ifMissing) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, ifMissing, path, error)) {
        return std::nullopt;
    }
    RecordBytes bytes{};
    if (n < 1 || !file.seek(recordOffset(n)) ||
        file.read(reinterpret_cast<char*>(bytes.data()), kRecordSize) !=
            static_cast<qint64>(kRecordSize)) {
        *error = "Could not read record " + std::to_string(n) + " of the storage file " + path +
                 ": the file holds no such record.";
        return std::nullopt;
    }
    return decodeRecord(bytes);
}

int openStoreForWriting(const std::string& path, IfMissing ifMissing, std::string* error) {
    if (const auto problem = windowsPathProblem(path)) {
        *error = "Could not open the storage file " + path + ": " + *problem + ".";
        return -1;
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        *error = "Could not open the storage file " + path + ": it is not a plain file.";
        return -1;
    }
    const int flags = O_RDWR | O_CLOEXEC | (ifMissing == IfMissing::Create ? O_CREAT : 0);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        *error = errno == ENOENT && ifMissing == IfMissing::Fail
                     ? "Could not open the storage file " + path + ": the file does not exist."
                     : systemFailure("open", path, errno);
    }
    return fd;
}

bool writeStoreRecord(const std::string& path, int n, const StorageRecord& record,
                      std::string* error) {
    const Descriptor file(openStoreForWriting(path, IfMissing::Create, error));
    if (file.fd() < 0) {
        return false;
    }
    const RecordBytes bytes = encodeRecord(record);
    const int reason = n < 1 ? EINVAL : writeWhole(file.fd(), bytes, recordOffset(n));
    if (reason != 0) {
        *error = systemFailure("write", path, reason);
        return false;
    }
    // The first save may have made the file: its name must outlive a crash as well.
    syncFolderOf(path);
    return true;
}

bool markRecordDeleted(const std::string& path, int n, std::string* error) {
    const Descriptor file(openStoreForWriting(path, IfMissing::Fail, error));
    if (file.fd() < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) {
        *error = systemFailure("read", path, errno);
        return false;
    }
    if (n < 1 || status.st_size < recordOffset(n + 1)) {
        *error = "Could not delete record " + std::to_string(n) + " of the storage file " + path +
                 ": the file holds no such record.";
        return false;
    }
    constexpr std::array<std::uint8_t, 2> kDeleted{0xFF, 0xFF};
    if (const int reason = writeWhole(file.fd(), kDeleted, recordOffset(n)); reason != 0) {
        *error = systemFailure("write", path, reason);
        return false;
    }
    return true;
}

} // namespace vavivor
