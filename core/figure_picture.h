#pragma once

#include "genome.h"
#include "picture.h"
#include "screen.h"

#include <string_view>

namespace vavivor {

// One figure filling a picture of its own (user scale 0..1000), as the full-screen layout
// draws it: the small pictures of the family tree and the window's icon.
Picture figurePicture(const GeneSet& genes, std::string_view label = {});

// A screen's figure so, with its label and number: what a copy or a drag of it carries.
Picture figurePicture(const ScreenFigure& figure);

} // namespace vavivor
