#include "run_recorder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace vavivor {

namespace {

std::string localTimeNow() {
    return QDateTime::currentDateTime().toString(Qt::ISODate).toStdString();
}

} // namespace

RunRecorder::RunRecorder(std::function<std::string()> folder, std::function<std::string()> now)
    : m_folder(std::move(folder)), m_now(now ? std::move(now) : localTimeNow) {}

std::string RunRecorder::stopped(const std::string& error) {
    m_writer.close();
    if (m_failed) {
        return {};
    }
    m_failed = true;
    return error + " The run is kept up to the screen before; breeding goes on.";
}

std::string RunRecorder::screenRecorded(const HistoryState& history, int index) {
    if (m_failed) {
        return {};
    }
    std::string error;
    if (m_writer.isOpen() && m_writer.fileGone()) {
        m_writer.close();
    }
    if (m_writer.isOpen()) {
        return m_writer.append(runScreenLine(history, index), &error) ? std::string()
                                                                      : stopped(error);
    }
    const std::string folder = m_folder();
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        return stopped("Could not make the runs folder " + folder + ".");
    }
    // A new file holds the whole history so far: the first screen, or all that were in the
    // window when the file of the run was deleted.
    const std::string started = m_now();
    std::string lines = runHeaderLine(started);
    for (int i = 0; i <= index; ++i) {
        lines += runScreenLine(history, i);
    }
    if (history.current() != index) {
        lines += runMoveLine(history.current());
    }
    // Two runs begun in the same second get run-...-2.vrun and so on.
    const std::string name = folder + "/" + runFileName(started);
    std::string path = name;
    for (int n = 2; QFileInfo::exists(QString::fromStdString(path)); ++n) {
        path = name.substr(0, name.size() - std::string(kRunFileSuffix).size()) + "-" +
               std::to_string(n) + kRunFileSuffix;
    }
    return m_writer.create(path, lines, &error) ? std::string() : stopped(error);
}

std::string RunRecorder::currentMoved(int index) {
    std::string error;
    if (m_failed || !m_writer.isOpen() || m_writer.fileGone() ||
        m_writer.append(runMoveLine(index), &error)) {
        return {};
    }
    return stopped(error);
}

std::string RunRecorder::runOpened(const std::string& name) {
    m_failed = false;
    if (name == m_writer.path() && m_writer.isOpen()) {
        return {};
    }
    std::string error;
    if (m_writer.reopen(name, &error)) {
        return {};
    }
    // Another copy goes on in that file: the next screen starts a file of this copy's own,
    // holding the whole history.
    return m_writer.heldElsewhere() ? error : stopped(error);
}

std::vector<RunListing> listRuns(const std::string& folder) {
    std::vector<RunListing> runs;
    const QDir dir(QString::fromStdString(folder));
    const QStringList names =
        dir.entryList({QStringLiteral("*") + kRunFileSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        RunListing listing;
        listing.path = dir.filePath(name).toStdString();
        RunFileRead read = readRunFile(listing.path);
        if (read.run) {
            const HistoryState& history = read.run->history;
            listing.started = read.run->started;
            listing.screens = history.size();
            listing.lastCentral = history.entry(history.current()).screen.central;
        } else {
            listing.error = std::move(read.error);
        }
        runs.push_back(std::move(listing));
    }
    std::stable_sort(runs.begin(), runs.end(), [](const RunListing& a, const RunListing& b) {
        if (a.error.empty() != b.error.empty()) {
            return a.error.empty();
        }
        return a.started != b.started ? a.started > b.started : a.path > b.path;
    });
    return runs;
}

bool deleteRunFile(const std::string& path, std::string* error) {
    QFile file(QString::fromStdString(path));
    if (!file.remove()) {
        *error =
            "Could not delete the run file " + path + ": " + file.errorString().toStdString() + ".";
        return false;
    }
    return true;
}

} // namespace vavivor
