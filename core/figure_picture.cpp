#include "figure_picture.h"

#include "renderer.h"

namespace vavivor {

Picture figurePicture(const GeneSet& genes, std::string_view label) {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos = genes;
    positionsToValues(genome);
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    RendererState renderer;
    const double centre = kPicScale / 2.0;
    drawCell(renderer, surface, genome.geneValue, centre, centre, kFullRefLength, kStartAngle,
             kPicScale, 0, label);
    return surface.picture();
}

} // namespace vavivor
