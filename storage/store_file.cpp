#include "store_file.h"

#include <QFile>
#include <QString>

namespace vavivor {

namespace {

std::string failure(const std::string& verb, const std::string& path, const QFile& file) {
    return "Could not " + verb + " the storage file " + path + ": " +
           file.errorString().toStdString() + ".";
}

// Opens (creating when missing) for reading and writing, or for reading when the file exists
// but may not be written, as a read should still work on a write-protected file.
bool openStore(QFile& file, bool forWriting, const std::string& path, std::string* error) {
    if (file.open(QIODevice::ReadWrite)) {
        return true;
    }
    if (!forWriting && file.exists() && file.open(QIODevice::ReadOnly)) {
        return true;
    }
    *error = failure("open", path, file);
    return false;
}

} // namespace

std::optional<StoreContents> readStore(const std::string& path, std::string* error) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, false, path, error)) {
        return std::nullopt;
    }
    StoreContents contents;
    contents.length = file.size();
    const QByteArray bytes = file.readAll();
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
    return contents;
}

std::optional<StorageRecord> readStoreRecord(const std::string& path, int n, std::string* error) {
    QFile file(QString::fromStdString(path));
    if (!openStore(file, false, path, error)) {
        return std::nullopt;
    }
    RecordBytes bytes{};
    const qint64 at = static_cast<qint64>(n - 1) * static_cast<qint64>(kRecordSize);
    if (n < 1 || !file.seek(at) ||
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
    if (!openStore(file, true, path, error)) {
        return false;
    }
    const RecordBytes bytes = encodeRecord(record);
    const qint64 at = static_cast<qint64>(n - 1) * static_cast<qint64>(kRecordSize);
    if (n < 1 || !file.seek(at) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), kRecordSize) !=
            static_cast<qint64>(kRecordSize) ||
        !file.flush()) {
        *error = failure("write", path, file);
        return false;
    }
    return true;
}

} // namespace vavivor
