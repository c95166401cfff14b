#include "export_lineage.h"

#include "core/dialogs.h"
#include "core/main_controls.h"
#include "platform/lineage_export.h"

#include <QCursor>
#include <QGuiApplication>
#include <QString>

namespace vavivor {

std::optional<LineageFileKind> lineageFileKind(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        return LineageFileKind::Gif;
    }
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return LineageFileKind::Pdf;
    }
    return std::nullopt;
}

std::optional<std::string> writeLineage(const std::vector<LineageStep>& steps,
                                        const std::string& heading, const std::string& path,
                                        LineageFileKind kind) {
    QString error;
    const QString file = QString::fromStdString(path);
    // A long lineage takes a while to encode.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool written =
        kind == LineageFileKind::Gif
            ? writeLineageGif(steps, file, &error)
            : writeLineageSheet(steps, QString::fromStdString(heading), file, &error);
    QGuiApplication::restoreOverrideCursor();
    if (written) {
        return std::nullopt;
    }
    return error.toStdString();
}

void exportLineage(ProgramState& state, Services& services) {
    Dialogs& dialogs = services.dialogs;
    const int current = state.history.current();
    if (current < 0) {
        dialogs.message("There is no lineage to export yet: draw a screen first, and its lineage "
                        "runs from the first screen of the run to it.",
                        kExportLineageTitle);
        return;
    }
    std::optional<std::string> path;
    std::optional<LineageFileKind> kind;
    while (!kind) {
        path = dialogs.chooseLineageFile(kExportLineageTitle);
        if (!path) {
            return;
        }
        kind = lineageFileKind(*path);
        if (!kind) {
            dialogs.message("Vavivor exports a lineage as an animated GIF (.gif) or a PDF sheet "
                            "(.pdf). Please end the name " +
                                *path + " with one of these.",
                            kExportLineageTitle);
        }
    }
    const std::vector<LineageStep> steps = lineageSteps(state.history, current);
    if (const auto failure =
            writeLineage(steps, lineageHeading(steps).toStdString(), *path, *kind)) {
        dialogs.message(*failure + " Nothing was exported.", kExportLineageTitle);
        return;
    }
    services.controls.showStatus("Lineage of " + std::to_string(steps.size()) +
                                 (steps.size() == 1 ? " step" : " steps") + " saved as " + *path);
}

} // namespace vavivor
