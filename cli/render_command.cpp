#include "commands.h"
#include "core/renderer.h"
#include "picture_output.h"

#include <ostream>

namespace vavivor::cli {

int runRender(const CliOptions& options, std::ostream& out, std::ostream& err) {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos = *options.genes;
    positionsToValues(genome);

    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    RendererState renderer;
    const bool full = options.layout == Layout::Full;
    const double x = full ? 500.0 : 100.0;
    const double y = full ? 500.0 : 900.0;
    drawCell(renderer, surface, genome.geneValue, x, y, full ? kFullRefLength : kCellRefLength,
             kStartAngle, full ? kPicScale : kCellSize, 0, "Orig.");

    if (options.format == "segments") {
        return withTextOutput(options.output, out, err,
                              [&](std::ostream& s) { writeSegments(surface.picture(), s); });
    }
    return writePictureFile(surface.picture(), options, options.output, err);
}

} // namespace vavivor::cli
