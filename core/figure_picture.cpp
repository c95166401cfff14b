#include "figure_picture.h"

#include "renderer.h"

namespace vavivor {

Picture figurePicture(const GeneSet& genes, std::string_view label) {
    return figurePicture(ScreenFigure{kCentreCell, genes, std::string(label), 0});
}

Picture figurePicture(const ScreenFigure& figure) {
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    drawFigure(RendererState{}, surface, figure, FigureLayout::Full);
    return surface.picture();
}

} // namespace vavivor
