#pragma once

#include <cstdint>

namespace pr {

// A colour as the program writes it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kYellow = 0x00FFFF;
}  // namespace colours

// The raster keeps pixels as 0xFFRRGGBB, the layout a QImage of format
// RGB32 reads without conversion.
constexpr std::uint32_t ToRgb32(Colour c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr Colour FromRgb32(std::uint32_t p) {
  return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

}  // namespace pr
