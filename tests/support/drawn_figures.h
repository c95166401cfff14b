#pragma once

#include "core/genome.h"
#include "core/picture.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vavivor {

struct Segment {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;

    bool operator==(const Segment&) const = default;
};

// One figure as drawCell left it on a picture: the invisible line to its label starts at the
// centre it was drawn on.
struct DrawnFigure {
    double x = 0.0;
    double y = 0.0;
    std::string label;
    std::string number;            // the number's text, empty when none was printed
    std::vector<Segment> segments; // its black lines of width 1, in drawing order
};

// The figures of a picture in drawing order; grid lines and frames belong to none.
std::vector<DrawnFigure> drawnFigures(const Picture& picture);

// Every black line, whatever its width and scale.
std::vector<Segment> blackLines(const Picture& picture);

// The cell index (rows from the top) of the grid cell whose centre is (x, y); -1 for a point
// that is no cell centre.
int cellIndexAt(double x, double y);

// The segments drawCell draws for `genes` at (x, y) in a grid cell (or full screen).
std::vector<Segment> expectedSegments(const GeneSet& genes, double x, double y,
                                      bool fullScreen = false);

} // namespace vavivor
