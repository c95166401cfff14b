#include "store_file.h"

#include "core/number_text.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cctype>
#include <vector>

namespace vavivor {

namespace {

std::string failure(const std::string& verb, const std::string& path, const QFile& file) {
    return "Could not " + verb + " the storage file " + path + ": " +
           file.errorString().toStdString() + ".";
}

// Opens for reading and writing (creating a missing file unless told not to), or for reading
// when the file exists but may not be written, as a read should still work on a
// write-protected file.
bool openStore(QFile& file, bool forWriting, IfMissing ifMissing, const std::string& path,
               std::string* error) {
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
    // A read that may not create the file does not need to be able to write it either.
    const bool onlyRead = !forWriting && ifMissing == IfMissing::Fail;
    if (!onlyRead && file.open(QIODevice::ReadWrite)) {
        return true;
    }
    if (!forWriting && file.exists() && file.open(QIODevice::ReadOnly)) {
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
    if (!openStore(file, false, ifMissing, path, error)) {
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
    if (!openStore(file, false, IfMissing::Create, path, error)) {
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
    if (!openStore(file, false, ifMissing, path, error)) {
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

bool writeStoreRecord(const std::string& path, int n, const StorageRecord& record,
                      std::string* error) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, true, IfMissing::Create, path, error)) {
        return false;
    }
    const RecordBytes bytes = encodeRecord(record);
    if (n < 1 || !file.seek(recordOffset(n)) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize) !=
            static_cast<qint64>(kRecordSize) ||
        !file.flush()) {
        *error = failure("write", path, file);
        return false;
    }
    return true;
}

bool markRecordDeleted(const std::string& path, int n, std::string* error) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, true, IfMissing::Fail, path, error)) {
        return false;
    }
    if (n < 1 || file.size() < recordOffset(n + 1)) {
        *error = "Could not delete record " + std::to_string(n) + " of the storage file " + path +
                 ": the file holds no such record.";
        return false;
    }
    const char flag[2] = {'\xFF', '\xFF'};
    if (!file.seek(recordOffset(n)) || file.write(flag, 2) != 2 || !file.flush()) {
        *error = failure("write", path, file);
        return false;
    }
    return true;
}

} // namespace vavivor
