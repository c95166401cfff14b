#pragma once

#include <cstdint>

namespace vavivor {

// A colour packed as red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0;
inline constexpr Colour kWhite = 16777215;
inline constexpr Colour kRed = 255;

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace vavivor
