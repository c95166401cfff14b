#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <algorithm>

namespace vavivor {

namespace {

// QT_LOGGING_RULES="vavivor.help.info=true" names the help collection each time it is looked
// for; a missing one is a warning on standard error, where a broken install shows itself.
Q_LOGGING_CATEGORY(lcHelp, "vavivor.help", QtWarningMsg)

QString executableFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

bool holds(const QString& folder, const char* name) {
    return QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(name));
}

// The last lookup of the help collection that found nothing: the path it gave and the
// folders it looked in, so that the message about the missing file can name them all.
struct MissingHelp {
    std::string path;
    std::vector<std::string> folders;
};

MissingHelp& lastMissingHelp() {
    static MissingHelp missing;
    return missing;
}

} // namespace

std::string programFolderFor(const std::string& executableFolder) {
    const QString exe = QDir::cleanPath(QString::fromStdString(executableFolder));
    if (holds(exe, kStoreListName) || holds(exe, kPortableMarkerName)) {
        return exe.toStdString();
    }
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Vavivor";
    QDir().mkpath(data);
    return QDir::cleanPath(data).toStdString();
}

std::string programFolder() {
    return programFolderFor(executableFolder().toStdString());
}

std::vector<std::string> helpFoldersFor(const std::string& programFolder,
                                        const std::string& executableFolder) {
    const QString exe = QDir::cleanPath(QString::fromStdString(executableFolder));
    const QString candidates[] = {QDir::cleanPath(QString::fromStdString(programFolder)), exe,
                                  QDir::cleanPath(exe + "/../share/vavivor")};
    std::vector<std::string> folders;
    for (const QString& folder : candidates) {
        const std::string name = folder.toStdString();
        if (std::find(folders.begin(), folders.end(), name) == folders.end()) {
            folders.push_back(name);
        }
    }
    return folders;
}

std::string helpFilePathFor(const std::string& programFolder, const std::string& executableFolder) {
    const std::vector<std::string> folders = helpFoldersFor(programFolder, executableFolder);
    for (const std::string& folder : folders) {
        if (holds(QString::fromStdString(folder), kHelpCollectionName)) {
            const std::string found = folder + '/' + kHelpCollectionName;
            qCInfo(lcHelp, "help collection: %s", found.c_str());
            return found;
        }
    }
    std::string named;
    for (const std::string& folder : folders) {
        named += (named.empty() ? "" : ", ") + folder;
    }
    qCWarning(lcHelp, "no help collection %s in %s", kHelpCollectionName, named.c_str());
    MissingHelp& missing = lastMissingHelp();
    missing.path = folders.front() + '/' + kHelpCollectionName;
    missing.folders = folders;
    return missing.path;
}

std::string helpFilePath(const std::string& programFolder) {
    return helpFilePathFor(programFolder, executableFolder().toStdString());
}

std::vector<std::string> helpFoldersLookedIn(const std::string& path) {
    const MissingHelp& missing = lastMissingHelp();
    if (!missing.folders.empty() && path == missing.path) {
        return missing.folders;
    }
    return {QFileInfo(QString::fromStdString(path)).absolutePath().toStdString()};
}

} // namespace vavivor
