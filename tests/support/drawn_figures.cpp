#include "drawn_figures.h"

#include "core/colour.h"
#include "core/renderer.h"

#include <cmath>

namespace vavivor {

std::vector<DrawnFigure> drawnFigures(const Picture& picture) {
    std::vector<DrawnFigure> figures;
    const PictureItem* whiteLine = nullptr; // the invisible line just before a text
    for (const PictureItem& item : picture.items()) {
        switch (item.kind) {
        case PictureItem::Kind::Line:
            if (item.colour == kWhite) {
                whiteLine = &item;
                break;
            }
            whiteLine = nullptr;
            if (item.colour == kBlack && item.lineWidth == 1 && !figures.empty()) {
                figures.back().segments.push_back({item.x1, item.y1, item.x2, item.y2});
            }
            break;
        case PictureItem::Kind::Text:
            if (whiteLine != nullptr && whiteLine->x2 < whiteLine->x1) {
                DrawnFigure figure;
                figure.x = whiteLine->x1;
                figure.y = whiteLine->y1;
                figure.label = picture.texts()[item.text];
                figures.push_back(figure);
            } else if (whiteLine != nullptr && !figures.empty()) {
                figures.back().number = picture.texts()[item.text];
            }
            whiteLine = nullptr;
            break;
        case PictureItem::Kind::Rectangle:
            whiteLine = nullptr;
            break;
        }
    }
    return figures;
}

std::vector<Segment> blackLines(const Picture& picture) {
    std::vector<Segment> lines;
    for (const PictureItem& item : picture.items()) {
        if (item.kind == PictureItem::Kind::Line && item.colour == kBlack) {
            lines.push_back({item.x1, item.y1, item.x2, item.y2});
        }
    }
    return lines;
}

int cellIndexAt(double x, double y) {
    const double column = (x - 100.0) / 200.0;
    const double row = (900.0 - y) / 200.0;
    if (column != std::floor(column) || row != std::floor(row) || column < 0 || column > 4 ||
        row < 0 || row > 4) {
        return -1;
    }
    return 5 * static_cast<int>(row) + static_cast<int>(column);
}

std::vector<Segment> expectedSegments(const GeneSet& genes, double x, double y, bool fullScreen) {
    GenomeState genome;
    fillGeneTable(genome);
    genome.genePos = genes;
    positionsToValues(genome);
    RendererState renderer;
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    drawCell(renderer, surface, genome.geneValue, x, y,
             fullScreen ? kFullRefLength : kCellRefLength, kStartAngle,
             fullScreen ? kPicScale : kCellSize, 0, "");
    return blackLines(surface.picture());
}

} // namespace vavivor
