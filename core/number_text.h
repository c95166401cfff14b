#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vavivor {

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Whole number of a real one (halves to even), or nothing outside the signed 16-bit range
// or for NaN.
std::optional<std::int16_t> toInt16(double value);

// The shortest decimal text of a single-precision number with at most 7 significant digits
// and no trailing zeros: 0.6, 200, -70, 1.2.
std::string singleText(float value);

} // namespace vavivor
