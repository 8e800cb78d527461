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

// The channels of a colour (each 0..255).
constexpr int Red(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

// The raster keeps pixels as 0xFFRRGGBB, the layout a QImage of format
// RGB32 reads without conversion. Red and blue change places, and back.
constexpr std::uint32_t ToRgb32(Colour c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(Red(c)) << 16) | (c & 0xFF00u) | static_cast<std::uint32_t>(Blue(c));
}
constexpr Colour FromRgb32(std::uint32_t p) { return ToRgb32(p) & 0x00FFFFFFu; }

// A raster pixel as the bytes R, G, B, A of a canvas' ImageData, read as one
// little-endian word: 0xAABBGGRR, the colour's own order under the alpha.
constexpr std::uint32_t Rgb32ToRgba(std::uint32_t p) { return (p & 0xFF000000u) | FromRgb32(p); }

}  // namespace pr
