#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vavivor {

// What a PDF reading tool (pdftotext, pdfinfo) prints for `arguments`; empty when it fails.
inline QString pdfToolOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace vavivor
