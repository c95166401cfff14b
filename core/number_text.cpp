#include "number_text.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vavivor {

double roundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless someone
    // changed it; say so explicitly rather than rely on it.
    const int saved = std::fegetround();
    if (saved == FE_TONEAREST) {
        // Setting the mode costs more than the rounding; the catalogue rounds 8 numbers a line.
        return std::nearbyint(value);
    }
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

std::optional<std::int16_t> toInt16(double value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

std::string singleText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    if (text == "-0") {
        text = "0";
    }
    return text;
}

} // namespace vavivor
