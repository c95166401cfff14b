#include "run_file.h"

#include "core/write_all.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vavivor {

namespace {

constexpr std::array<const char*, 3> kKindNames{"mutations", "relatives", "review"};
constexpr int kMutantCount = kCellCount - 1;

std::string genesText(const GeneSet& genes) {
    std::string text;
    for (std::size_t g = 0; g < genes.size(); ++g) {
        if (g > 0) {
            text += ',';
        }
        text += std::to_string(genes[g]);
    }
    return text;
}

std::optional<GeneSet> genesFrom(const QJsonValue& value) {
    if (!value.isString()) {
        return std::nullopt;
    }
    const std::string text = value.toString().toStdString();
    GeneSet genes{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t g = 0; g < genes.size(); ++g) {
        if (g > 0) {
            if (at == end || *at != ',') {
                return std::nullopt;
            }
            ++at;
        }
        const auto [next, fault] = std::from_chars(at, end, genes[g]);
        if (fault != std::errc{}) {
            return std::nullopt;
        }
        at = next;
    }
    if (at != end) {
        return std::nullopt;
    }
    return genes;
}

bool emptyChain(const MutantTable& chain) {
    return std::all_of(chain.begin(), chain.end(),
                       [](const GeneSet& row) { return row == GeneSet{}; });
}

// The screen that the builders make of what a screen line keeps: the figures of DRAW RELATIVES,
// REVIEW MUTATIONS and a loaded record follow from the central figure and the chain; those of
// DRAW MUTATIONS also need the mutant labels, which name the change tried even where a bound
// stopped it.
Screen rebuiltScreen(ScreenKind kind, const GeneSet& central, const MutantTable& chain,
                     const std::vector<std::string>& labels) {
    Screen screen;
    if (kind == ScreenKind::Relatives) {
        screen = relativesScreen(central);
        screen.chain = chain;
        return screen;
    }
    screen = reviewScreen(central, chain);
    if (kind == ScreenKind::Mutations) {
        screen.kind = kind;
        for (std::size_t k = 1; k < screen.figures.size() && k <= labels.size(); ++k) {
            screen.figures[k].label = labels[k - 1];
            screen.figures[k].number = static_cast<int>(k);
        }
    }
    return screen;
}

std::vector<std::string> mutantLabels(const Screen& screen) {
    std::vector<std::string> labels;
    if (screen.kind == ScreenKind::Mutations && screen.figures.size() == kCellCount) {
        for (int k = 1; k < kCellCount; ++k) {
            labels.push_back(screen.figures[static_cast<std::size_t>(k)].label);
        }
    }
    return labels;
}

QByteArray lineOf(const QJsonObject& object) {
    QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    line += '\n';
    return line;
}

// Why a line is no screen of a run, or nothing when `screen` now holds it.
std::optional<std::string> readScreen(const QJsonObject& line, Screen& screen) {
    const QString kindName = line.value("kind").toString();
    const auto* kind = std::find_if(kKindNames.begin(), kKindNames.end(), [&](const char* name) {
        return kindName == QLatin1String(name);
    });
    if (kind == kKindNames.end()) {
        return "its screen is of no known kind";
    }
    const auto central = genesFrom(line.value("central"));
    if (!central) {
        return "its central figure is not eight gene positions";
    }
    MutantTable chain{};
    if (line.contains("chain")) {
        const QJsonArray rows = line.value("chain").toArray();
        if (rows.size() != kCellCount) {
            return "its chain does not hold 25 figures";
        }
        for (int k = 0; k < kCellCount; ++k) {
            const auto row = genesFrom(rows[k]);
            if (!row) {
                return "a figure of its chain is not eight gene positions";
            }
            chain[static_cast<std::size_t>(k)] = *row;
        }
    }
    std::vector<std::string> labels;
    for (const QJsonValue label : line.value("labels").toArray()) {
        labels.push_back(label.toString().toStdString());
    }
    const auto screenKind = static_cast<ScreenKind>(kind - kKindNames.begin());
    if (line.contains("figures")) {
        screen = Screen{};
        screen.kind = screenKind;
        screen.central = *central;
        screen.chain = chain;
        for (const QJsonValue value : line.value("figures").toArray()) {
            const QJsonObject figure = value.toObject();
            const auto genes = genesFrom(figure.value("genes"));
            if (!genes) {
                return "a figure of it is not eight gene positions";
            }
            screen.figures.push_back({figure.value("cell").toInt(), *genes,
                                      figure.value("label").toString().toStdString(),
                                      figure.value("number").toInt()});
        }
    } else {
        if (screenKind == ScreenKind::Mutations && labels.size() != kMutantCount) {
            return "its chain of mutants does not have 24 labels";
        }
        screen = rebuiltScreen(screenKind, *central, chain, labels);
    }
    const int record = line.value("record").toInt(0);
    if (record < 0 || record > std::numeric_limits<std::int16_t>::max()) {
        return "its record number is out of range";
    }
    screen.recordNumber = static_cast<std::int16_t>(record);
    screen.store = line.value("store").toString().toStdString();
    if (line.contains("seed")) {
        const double seed = line.value("seed").toDouble(-1);
        if (seed < 0 || seed > std::numeric_limits<std::uint32_t>::max() ||
            seed != static_cast<double>(static_cast<std::uint32_t>(seed))) {
            return "its seed is not a whole number a chain can have";
        }
        screen.seed = static_cast<std::uint32_t>(seed);
    }
    return std::nullopt;
}

std::string systemFailure(const std::string& verb, const std::string& path, int errorNumber) {
    return "Could not " + verb + " the run file " + path + ": " + std::strerror(errorNumber) + ".";
}

} // namespace

std::string runHeaderLine(const std::string& started) {
    QJsonObject header;
    header.insert("format", QLatin1String(kRunFormatName));
    header.insert("version", kRunFormatVersion);
    header.insert("started", QString::fromStdString(started));
    return lineOf(header).toStdString();
}

std::string runScreenLine(const HistoryState& history, int index) {
    const HistoryEntry& entry = history.entry(index);
    const Screen& screen = entry.screen;
    QJsonObject line;
    line.insert("entry", index);
    line.insert("parent", entry.parent);
    line.insert("kind", QLatin1String(kKindNames[static_cast<std::size_t>(screen.kind)]));
    line.insert("central", QString::fromStdString(genesText(screen.central)));
    if (!emptyChain(screen.chain)) {
        QJsonArray chain;
        for (const GeneSet& row : screen.chain) {
            chain.append(QString::fromStdString(genesText(row)));
        }
        line.insert("chain", chain);
    }
    const std::vector<std::string> labels = mutantLabels(screen);
    if (!labels.empty()) {
        QJsonArray texts;
        for (const std::string& label : labels) {
            texts.append(QString::fromStdString(label));
        }
        line.insert("labels", texts);
    }
    if (screen.seed) {
        line.insert("seed", static_cast<qint64>(*screen.seed));
    }
    if (screen.recordNumber != 0) {
        line.insert("record", screen.recordNumber);
    }
    if (!screen.store.empty()) {
        line.insert("store", QString::fromStdString(screen.store));
    }
    // A screen that the builders would not draw the same again keeps its figures one by one.
    Screen rebuilt = rebuiltScreen(screen.kind, screen.central, screen.chain, labels);
    rebuilt.recordNumber = screen.recordNumber;
    rebuilt.store = screen.store;
    rebuilt.seed = screen.seed;
    if (rebuilt != screen) {
        QJsonArray figures;
        for (const ScreenFigure& figure : screen.figures) {
            QJsonObject item;
            item.insert("cell", figure.cell);
            item.insert("genes", QString::fromStdString(genesText(figure.genes)));
            item.insert("label", QString::fromStdString(figure.label));
            item.insert("number", figure.number);
            figures.append(item);
        }
        line.insert("figures", figures);
    }
    return lineOf(line).toStdString();
}

std::string runMoveLine(int index) {
    QJsonObject line;
    line.insert("current", index);
    return lineOf(line).toStdString();
}

std::string runFileName(const std::string& started) {
    std::string name = started;
    std::replace(name.begin(), name.end(), ':', '-');
    return "run-" + name + kRunFileSuffix;
}

RunFileRead parseRunText(std::string_view text, const std::string& path) {
    // A last line without its line end was cut short when the run stopped: it is dropped.
    const std::size_t lastEnd = text.rfind('\n');
    text = lastEnd == std::string_view::npos ? std::string_view{} : text.substr(0, lastEnd + 1);
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    auto parse = [](std::string_view line, QJsonObject& object) {
        QJsonParseError fault{};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &fault);
        object = document.object();
        return fault.error == QJsonParseError::NoError && document.isObject();
    };
    QJsonObject header;
    if (lines.empty() || !parse(lines.front(), header) ||
        header.value("format").toString() != QLatin1String(kRunFormatName)) {
        return {std::nullopt, "The file " + path +
                                  " is not a Vavivor run file: it does not begin with a run "
                                  "header, or it was cut short before its first screen."};
    }
    const int version = header.value("version").toInt(0);
    if (version > kRunFormatVersion) {
        return {std::nullopt, "The run file " + path +
                                  " was written by a newer Vavivor (run file "
                                  "version " +
                                  std::to_string(version) + "); this one reads version " +
                                  std::to_string(kRunFormatVersion) + " only."};
    }
    auto damaged = [&path](std::size_t line, const std::string& reason) {
        return RunFileRead{std::nullopt, "The run file " + path + " is damaged: line " +
                                             std::to_string(line + 1) + " " + reason + "."};
    };
    if (version < 1) {
        return damaged(0, "has no valid version number");
    }
    RunFile run;
    run.started = header.value("started").toString().toStdString();
    HistoryState& history = run.history;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        QJsonObject line;
        if (!parse(lines[n], line)) {
            if (n + 1 == lines.size()) {
                break; // a last line that the stop left unfinished
            }
            return damaged(n, "is not a JSON object");
        }
        if (line.contains("current")) {
            if (!history.goTo(line.value("current").toInt(-1))) {
                return damaged(n, "moves to a screen that the run does not have");
            }
            continue;
        }
        if (line.value("entry").toInt(-1) != history.size()) {
            return damaged(n, "is neither the next screen of the run nor a move");
        }
        const int parent = line.value("parent").toInt(-2);
        if (history.size() == 0 ? parent != -1
                                : (parent != history.current() && !history.goTo(parent))) {
            return damaged(n, "names a parent screen that the run does not have");
        }
        HistoryEntry entry;
        if (const auto fault = readScreen(line, entry.screen)) {
            return damaged(n, *fault);
        }
        history.record(std::move(entry));
    }
    if (history.size() == 0) {
        return {std::nullopt, "The run file " + path + " holds no screen."};
    }
    return {std::move(run), {}};
}

RunFileRead readRunFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, "Could not read the run file " + path + ": " +
                                  file.errorString().toStdString() + "."};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, "Could not read the run file " + path + ": " +
                                  file.errorString().toStdString() + "."};
    }
    return parseRunText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        path);
}

RunFileWriter::~RunFileWriter() {
    close();
}

bool RunFileWriter::fileGone() const {
    struct stat status {};
    return m_fd >= 0 && ::fstat(m_fd, &status) == 0 && status.st_nlink == 0;
}

void RunFileWriter::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool RunFileWriter::create(const std::string& path, const std::string& firstLines,
                           std::string* error) {
    close();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = systemFailure("create", path, errno);
        return false;
    }
    // Held for as long as this copy writes the run, so that no other copy goes on in it too.
    static_cast<void>(::flock(fd, LOCK_EX | LOCK_NB));
    m_fd = fd;
    m_path = path;
    if (!append(firstLines, error)) {
        close();
        static_cast<void>(::unlink(path.c_str()));
        return false;
    }
    syncFolderOf(path); // the new name must outlive a crash as well as the lines
    return true;
}

bool RunFileWriter::reopen(const std::string& path, std::string* error) {
    close();
    m_heldElsewhere = false;
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        *error = systemFailure("open", path, errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        m_heldElsewhere = true;
        *error = "The run file " + path +
                 " is being written by another copy of Vavivor; breeding on from here starts a "
                 "run file of its own.";
        ::close(fd);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        *error = systemFailure("open", path, errno);
        ::close(fd);
        return false;
    }
    // Back from the end to the last line end; what follows it is a line cut short.
    off_t end = status.st_size;
    std::array<char, 4096> piece{};
    while (end > 0) {
        const off_t from = std::max<off_t>(0, end - static_cast<off_t>(piece.size()));
        const ssize_t got = ::pread(fd, piece.data(), static_cast<std::size_t>(end - from), from);
        if (got != end - from) {
            *error = systemFailure("read", path, got < 0 ? errno : EIO);
            ::close(fd);
            return false;
        }
        const auto* last =
            static_cast<const char*>(::memrchr(piece.data(), '\n', static_cast<std::size_t>(got)));
        if (last != nullptr) {
            end = from + (last - piece.data()) + 1;
            break;
        }
        end = from;
    }
    if (end != status.st_size && (::ftruncate(fd, end) != 0 || ::fdatasync(fd) != 0)) {
        *error = systemFailure("write", path, errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

bool RunFileWriter::append(const std::string& line, std::string* error) {
    if (m_fd < 0) {
        *error = "Could not write the run file " + m_path + ": it is not open.";
        return false;
    }
    const off_t before = ::lseek(m_fd, 0, SEEK_END);
    int reason = 0;
    writeAll(m_fd, line.data(), line.size(), &reason);
    if (reason == 0 && ::fdatasync(m_fd) != 0) {
        reason = errno;
    }
    if (reason != 0) {
        // The part of the line that the disk took goes again: the file is as it was.
        if (before >= 0 && ::ftruncate(m_fd, before) == 0) {
            static_cast<void>(::fdatasync(m_fd));
        }
        *error = systemFailure("write", m_path, reason);
        return false;
    }
    return true;
}

} // namespace vavivor
