#include "picture_output.h"

#include "commands.h"
#include "output_files.h"
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
    return writeWhole(path, err, [&](const std::string& file, std::string* reason) {
        QString error;
        const QString name = QString::fromStdString(file);
        const bool written = options.format == "svg"
                                 ? writePictureSvg(picture, name, pixels, &error)
                                 : writePicturePng(picture, name, pixels, &error);
        *reason = error.toStdString();
        return written;
    });
}

int withTextOutput(const std::string& path, std::ostream& out, std::ostream& err,
                   const std::function<void(std::ostream&)>& write) {
    if (path.empty()) {
        // Whether standard output took it all is seen when the program ends.
        write(out);
        return kExitOk;
    }
    return writeWhole(path, err, [&](const std::string& file, std::string* reason) {
        errno = 0;
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        if (stream) {
            write(stream);
            stream.close();
        }
        if (!stream) {
            *reason =
                errno == 0 ? std::string("the text could not be written") : std::strerror(errno);
            return false;
        }
        return true;
    });
}

} // namespace vavivor::cli
