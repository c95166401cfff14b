#include "store_file.h"

#include "core/number_text.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cctype>

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
    contents.length = file.size();
    const QByteArray bytes = file.read(contents.length);
    if (bytes.size() != contents.length) {
        *error = failure("read", path, file);
        return std::nullopt;
    }
    const auto whole = static_cast<std::size_t>(bytes.size()) / kRecordSize;
    contents.records.reserve(whole);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (std::size_t n = 0; n < whole; ++n) {
        contents.records.push_back(decodeRecord(
            std::span<const std::uint8_t, kRecordSize>(data + n * kRecordSize, kRecordSize)));
    }
    contents.tail.assign(data + whole * kRecordSize, data + bytes.size());
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
