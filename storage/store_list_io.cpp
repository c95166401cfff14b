#include "store_list_io.h"

#include "record_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vavivor {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::size_t kPrintZone = 14;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A whole number with an optional sign at the start of `text`; `text` is moved past it.
std::optional<long long> takeNumber(std::string_view& text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// A number as the print statement writes it: sign place (a blank or '-'), digits, a blank.
std::string printItem(int value) {
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    return (value < 0 ? "-" : " ") + digits + " ";
}

std::string quotedError(int entry, std::string_view what) {
    return "entry " + std::to_string(entry) + " " + std::string(what);
}

std::string tooLong() {
    return "it is longer than the " + std::to_string(kMaxStoreListBytes) +
           " bytes that a list of " + std::to_string(kMaxStoreEntries) + " storage files can take";
}

// Why a file of this type and size cannot be a storage list, or nothing.
std::optional<std::string> listFileProblem(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return "it is not a plain file";
    }
    if (info.st_size > kMaxStoreListBytes) {
        return tooLong();
    }
    return std::nullopt;
}

// A file descriptor, closed on the way out.
struct OpenFile {
    explicit OpenFile(int opened) : fd(opened) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    int fd;
};

// Reads from `fd` until its end or `limit` bytes; false, with errno set, on a read error.
bool readAtMost(int fd, std::int64_t limit, std::string& bytes) {
    std::array<char, 65536> piece{};
    while (static_cast<std::int64_t>(bytes.size()) < limit) {
        const auto wanted = static_cast<std::size_t>(
            std::min<std::int64_t>(limit - static_cast<std::int64_t>(bytes.size()),
                                   static_cast<std::int64_t>(piece.size())));
        const ssize_t got = ::read(fd, piece.data(), wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace

StoreListParse parseStoreList(std::string_view text) {
    StoreListParse result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || trimmed(lines[0]).empty()) {
        result.error = "the file is empty";
        return result;
    }

    std::string_view first = trimmed(lines[0]);
    const auto count = takeNumber(first);
    first = trimmed(first);
    if (!first.empty() && first.front() == ',') {
        first.remove_prefix(1);
        first = trimmed(first);
    }
    const auto current = takeNumber(first);
    if (!count || !current || !trimmed(first).empty()) {
        result.error = "its first line does not hold the number of entries and the current entry";
        return result;
    }
    if (*count > kMaxStoreEntries) {
        result.error = "it names " + std::to_string(*count) + " storage files, more than the " +
                       std::to_string(kMaxStoreEntries) + " that Vavivor can list";
        return result;
    }
    if (*count < 1) {
        result.error = "it names no storage file, not even the default one";
        return result;
    }
    if (*current < 1 || *current > *count) {
        result.error = "its current entry " + std::to_string(*current) + " is not one of its " +
                       std::to_string(*count) + " entries";
        return result;
    }

    StoreListFile list;
    list.count = static_cast<int>(*count);
    list.current = static_cast<int>(*current);
    for (int i = 1; i <= list.count; ++i) {
        if (static_cast<std::size_t>(i) >= lines.size()) {
            result.error = "it names " + std::to_string(list.count) + " entries but holds only " +
                           std::to_string(i - 1);
            return result;
        }
        const std::string_view line = trimmed(lines[static_cast<std::size_t>(i)]);
        if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
            result.error = quotedError(i, "is not written between double quotes");
            return result;
        }
        const std::string_view entry = line.substr(1, line.size() - 2);
        if (entry.find('"') != std::string_view::npos) {
            result.error = quotedError(i, "holds a double quote of its own");
            return result;
        }
        if (trimmed(entry).empty()) {
            result.error = quotedError(i, "is empty");
            return result;
        }
        list.entries.push_back(isUtf8(entry) ? std::string(entry) : fromWindows1252(entry));
    }
    result.list = std::move(list);
    return result;
}

std::string storeListFirstLine(int count, int current) {
    std::string line = printItem(count);
    // The next item starts at the next print zone.
    const std::size_t zoneEnd = (line.size() / kPrintZone + 1) * kPrintZone;
    line.resize(std::max(zoneEnd, line.size()), ' ');
    return line + printItem(current);
}

std::string formatStoreList(int count, int current, const std::vector<std::string>& entries) {
    std::string text = storeListFirstLine(count, current) + "\r\n";
    for (int i = 0; i < count && static_cast<std::size_t>(i) < entries.size(); ++i) {
        text += "\"" + entries[static_cast<std::size_t>(i)] + "\"\r\n";
    }
    return text;
}

std::string defaultStorePath(const std::string& folder, std::string_view name) {
    std::string relative(name);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (!relative.empty() && relative.front() != '/') {
        relative.insert(relative.begin(), '/');
    }
    std::string base = folder;
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base == "/" ? relative : base + relative;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

StoreListRead readStoreListFile(const std::string& path) {
    StoreListRead result;
    const auto failed = [&result](StoreListStatus status, std::string problem) {
        result.status = status;
        result.problem = std::move(problem);
        return result;
    };
    // The type first, so that a FIFO or a device is not even opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? failed(StoreListStatus::Missing, "the file does not exist")
                               : failed(StoreListStatus::Unreadable, std::strerror(errno));
    }
    if (const auto problem = listFileProblem(info)) {
        return failed(StoreListStatus::Malformed, *problem);
    }
    // Without waiting, and the type again, should the file have been replaced meanwhile.
    const OpenFile file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        return failed(StoreListStatus::Unreadable, std::strerror(errno));
    }
    if (const auto problem = listFileProblem(info)) {
        return failed(StoreListStatus::Malformed, *problem);
    }
    std::string bytes;
    if (!readAtMost(file.fd, kMaxStoreListBytes + 1, bytes)) {
        return failed(StoreListStatus::Unreadable, std::strerror(errno));
    }
    if (static_cast<std::int64_t>(bytes.size()) > kMaxStoreListBytes) {
        return failed(StoreListStatus::Malformed, tooLong());
    }
    StoreListParse parsed = parseStoreList(bytes);
    if (!parsed.list) {
        result.status = StoreListStatus::Malformed;
        result.problem = parsed.error;
        return result;
    }
    result.list = std::move(*parsed.list);
    return result;
}

bool writeStoreListFile(const std::string& path, const std::string& text, std::string* error) {
    // A FIFO would make the write wait for a reader.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        *error = "it is not a plain file";
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        *error = file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    return true;
}

std::optional<std::string> setAsideFile(const std::string& path, std::string* error) {
    const QString original = QString::fromStdString(path);
    for (int n = 1; n < 1000; ++n) {
        const QString aside =
            original + ".damaged" + (n == 1 ? QString() : "-" + QString::number(n));
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink()) {
            continue;
        }
        QFile file(original);
        if (!file.rename(aside)) {
            *error = file.errorString().toStdString();
            return std::nullopt;
        }
        return aside.toStdString();
    }
    *error = "there are too many older copies beside it";
    return std::nullopt;
}

} // namespace vavivor
