#include "screen_output.h"

#include "commands.h"
#include "output_files.h"
#include "picture_output.h"

#include <cstdio>
#include <ostream>

namespace vavivor::cli {

namespace {

void writeGenes(const ScreenDrawing& drawing, std::ostream& out) {
    for (const ScreenFigure& figure : drawing.figures) {
        out << figure.cell << ' ' << figure.label << '\t';
        for (int g = 0; g < kGeneCount; ++g) {
            out << (g == 0 ? "" : " ") << figure.genes[g];
        }
        out << '\n';
    }
}

void writeFigureSegments(const ScreenDrawing& drawing, std::ostream& out) {
    for (const ScreenFigure& figure : drawing.figures) {
        out << "# " << figure.cell << ' ' << figure.label << '\n';
        if (figure.picture < drawing.pictures.size()) {
            writeSegments(drawing.pictures[figure.picture], out, figure.firstItem, figure.endItem);
        }
    }
}

} // namespace

std::string numberedPath(const std::string& path, int number) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%02d", number);
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) {
        return path + suffix;
    }
    return path.substr(0, dot) + suffix + path.substr(dot);
}

int writeScreen(const ScreenDrawing& drawing, const CliOptions& options, std::ostream& out,
                std::ostream& err, const std::vector<std::string>& inputs) {
    const bool numbered =
        options.layout == Layout::Full && (options.format == "svg" || options.format == "png");
    std::vector<std::string> outputs;
    if (numbered) {
        for (std::size_t i = 0; i < drawing.pictures.size(); ++i) {
            outputs.push_back(numberedPath(options.output, static_cast<int>(i) + 1));
        }
    } else {
        outputs.push_back(options.output);
    }
    if (const int status = refuseOutputOverInput(outputs, inputs, err); status != kExitOk) {
        return status;
    }

    if (options.format == "genes") {
        return withTextOutput(options.output, out, err,
                              [&](std::ostream& s) { writeGenes(drawing, s); });
    }
    if (options.format == "segments") {
        return withTextOutput(options.output, out, err,
                              [&](std::ostream& s) { writeFigureSegments(drawing, s); });
    }
    if (!numbered) {
        if (drawing.pictures.empty()) {
            return writePictureFile(Picture(), options, options.output, err);
        }
        return writePictureFile(drawing.pictures.front(), options, options.output, err);
    }
    for (std::size_t i = 0; i < drawing.pictures.size(); ++i) {
        const int status = writePictureFile(drawing.pictures[i], options, outputs[i], err);
        if (status != kExitOk) {
            return status;
        }
    }
    return kExitOk;
}

} // namespace vavivor::cli
