#include "figure_picture.h"

#include "renderer.h"

namespace vavivor {

Picture figurePicture(const GeneSet& genes, std::string_view label) {
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    drawFigure(RendererState{}, surface, ScreenFigure{kCentreCell, genes, std::string(label), 0},
               FigureLayout::Full);
    return surface.picture();
}

} // namespace vavivor
