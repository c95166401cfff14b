#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vavivor {

namespace {

QString executableFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

bool holds(const QString& folder, const char* name) {
    return QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

std::string programFolder() {
    const QString exe = executableFolder();
    if (QFileInfo(exe).isWritable() &&
        (holds(exe, kStoreListName) || holds(exe, kHelpCollectionName))) {
        return exe.toStdString();
    }
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Vavivor";
    QDir().mkpath(data);
    return QDir::cleanPath(data).toStdString();
}

std::string helpFilePath(const std::string& programFolder) {
    const QString own = QString::fromStdString(programFolder);
    const QString exe = executableFolder();
    const QString candidates[] = {own, exe, QDir::cleanPath(exe + "/../share/vavivor")};
    for (const QString& folder : candidates) {
        if (holds(folder, kHelpCollectionName)) {
            return (folder + QLatin1Char('/') + QLatin1String(kHelpCollectionName)).toStdString();
        }
    }
    return (own + QLatin1Char('/') + QLatin1String(kHelpCollectionName)).toStdString();
}

} // namespace vavivor
