#include "picture_output.h"

#include "commands.h"
#include "platform/picture_export.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>

namespace vavivor::cli {

namespace {

constexpr int kDefaultPixels = 1000;

} // namespace

void writeSegments(const Picture& picture, std::ostream& out, std::size_t from, std::size_t to) {
    const auto& items = picture.items();
    to = std::min(to, items.size());
    char line[160];
    for (std::size_t i = from; i < to; ++i) {
        const PictureItem& item = items[i];
        if (item.kind != PictureItem::Kind::Line || item.colour != kBlack) {
            continue;
        }
        std::snprintf(line, sizeof line, "%.4f %.4f %.4f %.4f\n", item.x1, item.y1, item.x2,
                      item.y2);
        out << line;
    }
}

int writePictureFile(const Picture& picture, const CliOptions& options, const std::string& path,
                     std::ostream& err) {
    const int pixels = options.size > 0 ? options.size : kDefaultPixels;
    QString error;
    const QString file = QString::fromStdString(path);
    const bool written = options.format == "svg" ? writePictureSvg(picture, file, pixels, &error)
                                                 : writePicturePng(picture, file, pixels, &error);
    if (!written) {
        err << "vavivor-cli: " << error.toStdString() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

int withTextOutput(const std::string& path, std::ostream& out, std::ostream& err,
                   const std::function<void(std::ostream&)>& write) {
    if (path.empty()) {
        write(out);
        out.flush();
        return out ? kExitOk : kExitFailure;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        err << "vavivor-cli: could not write " << path << ": " << std::strerror(errno) << ".\n";
        return kExitFailure;
    }
    write(file);
    file.close();
    if (!file) {
        err << "vavivor-cli: could not write " << path << ".\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace vavivor::cli
