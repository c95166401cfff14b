#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

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

std::string helpFilePath(const std::string& programFolder) {
    const QString own = QString::fromStdString(programFolder);
    const QString exe = executableFolder();
    const QString candidates[] = {own, exe, QDir::cleanPath(exe + "/../share/vavivor")};
    for (const QString& folder : candidates) {
        if (holds(folder, kHelpCollectionName)) {
            const QString found = folder + QLatin1Char('/') + QLatin1String(kHelpCollectionName);
            qCInfo(lcHelp, "help collection: %s", qUtf8Printable(found));
            return found.toStdString();
        }
    }
    qCWarning(lcHelp, "no help collection %s in %s, %s or %s", kHelpCollectionName,
              qUtf8Printable(candidates[0]), qUtf8Printable(candidates[1]),
              qUtf8Printable(candidates[2]));
    return (own + QLatin1Char('/') + QLatin1String(kHelpCollectionName)).toStdString();
}

} // namespace vavivor
