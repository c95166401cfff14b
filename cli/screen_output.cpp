#include "screen_output.h"

#include "commands.h"
#include "core/renderer.h"
#include "output_files.h"
#include "picture_output.h"

#include <cstdio>
#include <ostream>

namespace vavivor::cli {

namespace {

void writeGenes(const Screen& screen, std::ostream& out) {
    for (const ScreenFigure& figure : screen.figures) {
        out << figure.cell << ' ' << figure.label << '\t';
        for (int g = 0; g < kGeneCount; ++g) {
            out << (g == 0 ? "" : " ") << figure.genes[g];
        }
        out << '\n';
    }
}

void writeFigureSegments(const Screen& screen, const ScreenPictures& drawn, std::ostream& out) {
    for (std::size_t i = 0; i < screen.figures.size(); ++i) {
        const ScreenFigure& figure = screen.figures[i];
        const ScreenPictures::FigureItems& items = drawn.figures[i];
        out << "# " << figure.cell << ' ' << figure.label << '\n';
        writeSegments(drawn.pictures[items.picture], out, items.first, items.end);
    }
}

// A picture area's start: the 0..1000 scale, then the grid in the cell layout.
RecordingSurface preparedSurface(Layout layout) {
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    prepareSurface(surface, layout == Layout::Full ? 1 : 0);
    surface.setLineWidth(1);
    return surface;
}

} // namespace

ScreenPictures drawScreen(const Screen& screen, Layout layout) {
    const RendererState renderer;
    const FigureLayout figureLayout =
        layout == Layout::Full ? FigureLayout::Full : FigureLayout::Grid;
    ScreenPictures drawn;
    RecordingSurface surface = preparedSurface(layout);
    for (const ScreenFigure& figure : screen.figures) {
        if (layout == Layout::Full && !surface.picture().empty()) {
            drawn.pictures.push_back(surface.picture());
            surface = preparedSurface(layout);
        }
        const std::size_t first = surface.picture().items().size();
        drawFigure(renderer, surface, figure, figureLayout);
        drawn.figures.push_back({drawn.pictures.size(), first, surface.picture().items().size()});
    }
    drawn.pictures.push_back(surface.picture());
    return drawn;
}

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

int writeScreen(const Screen& screen, const CliOptions& options, std::ostream& out,
                std::ostream& err, const std::vector<std::string>& inputs) {
    const bool numbered =
        options.layout == Layout::Full && (options.format == "svg" || options.format == "png");
    std::vector<std::string> outputs;
    if (numbered) {
        for (std::size_t i = 0; i < screen.figures.size(); ++i) {
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
                              [&](std::ostream& s) { writeGenes(screen, s); });
    }
    const ScreenPictures drawn = drawScreen(screen, options.layout);
    if (options.format == "segments") {
        return withTextOutput(options.output, out, err,
                              [&](std::ostream& s) { writeFigureSegments(screen, drawn, s); });
    }
    if (!numbered) {
        return writePictureFile(drawn.pictures.front(), options, options.output, err);
    }
    for (std::size_t i = 0; i < drawn.pictures.size(); ++i) {
        const int status = writePictureFile(drawn.pictures[i], options, outputs[i], err);
        if (status != kExitOk) {
            return status;
        }
    }
    return kExitOk;
}

} // namespace vavivor::cli
