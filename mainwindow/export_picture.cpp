#include "export_picture.h"

#include "core/dialogs.h"
#include "core/main_controls.h"
#include "platform/picture_export.h"
#include "platform/picture_painter.h"

#include <QString>
#include <cmath>

namespace vavivor {

std::optional<PictureFileKind> pictureFileKind(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return PictureFileKind::Svg;
    }
    if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return PictureFileKind::Png;
    }
    return std::nullopt;
}

const Picture* exportedPicture(const ProgramState& state) {
    const ScreenState& screen = state.screen;
    const Picture& shown = screen.surface().picture();
    if (!shown.empty()) {
        return &shown;
    }
    const Picture& last = state.breeding.lastFigure[screen.curPic];
    return last.empty() ? nullptr : &last;
}

std::optional<std::string> writeExportedPicture(const Picture& picture, const std::string& path,
                                                PictureFileKind kind, int pixels) {
    QString error;
    const QString file = QString::fromStdString(path);
    const bool written =
        kind == PictureFileKind::Svg
            ? writePictureSvg(picture, file, static_cast<int>(std::lround(kPictureReferencePixels)),
                              &error)
            : writePicturePng(picture, file, pixels, &error);
    if (written) {
        return std::nullopt;
    }
    return error.toStdString();
}

void exportPicture(ProgramState& state, Services& services) {
    Dialogs& dialogs = services.dialogs;
    const Picture* picture = exportedPicture(state);
    if (picture == nullptr) {
        dialogs.message("The picture area is empty: there is no picture to export yet.",
                        kExportTitle);
        return;
    }
    exportGivenPicture(*picture, services);
}

void exportGivenPicture(const Picture& picture, Services& services) {
    Dialogs& dialogs = services.dialogs;
    std::optional<std::string> path;
    std::optional<PictureFileKind> kind;
    while (!kind) {
        path = dialogs.choosePictureFile(kExportTitle);
        if (!path) {
            return;
        }
        kind = pictureFileKind(*path);
        if (!kind) {
            dialogs.message("Vavivor exports pictures as SVG drawings (.svg) or PNG images (.png). "
                            "Please end the name " +
                                *path + " with one of these.",
                            kExportTitle);
        }
    }
    int pixels = kExportPngPixels;
    if (*kind == PictureFileKind::Png) {
        const auto size =
            dialogs.askNumber("Width and height of the PNG image in pixels:", kExportTitle,
                              kExportPngPixels, kMinPicturePixels, kMaxPicturePixels);
        if (!size) {
            return;
        }
        pixels = *size;
    }
    if (const auto failure = writeExportedPicture(picture, *path, *kind, pixels)) {
        dialogs.message(*failure + " Nothing was exported.", kExportTitle);
        return;
    }
    services.controls.showStatus("Picture saved as " + *path);
}

} // namespace vavivor
