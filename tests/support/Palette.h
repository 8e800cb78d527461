#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/surface/Colour.h"
#include "core/surface/RasterSurface.h"
#include "plot/PlotArea.h"

namespace pr::test {

// Every colour a command or the background can set: grid and axes, the three
// point markers, and the four line colours (black, red, white, yellow).
inline constexpr std::array<Colour, 7> kProgramColours = {
    plot::kGridColour, plot::kAxisColour, colours::kRed,    colours::kBlue,
    colours::kGreen,   colours::kWhite,   colours::kYellow,
};

// True when every pixel is the background or one of the program's colours:
// a stray write (a wrong index, a colour taken from garbage) shows up here.
// Kept out of the fuzzer's coverage: half a million pixel comparisons per
// input would otherwise steer it and slow it tenfold.
#if defined(__clang__)
__attribute__((no_sanitize("coverage")))
#endif
inline bool
OnlyProgramColours(const RasterSurface& raster) {
  std::array<std::uint32_t, kProgramColours.size() + 1> allowed{};
  for (std::size_t i = 0; i < kProgramColours.size(); ++i) allowed[i] = ToRgb32(kProgramColours[i]);
  allowed.back() = ToRgb32(raster.Background());
  const std::uint32_t* pixel = raster.Data();
  const std::uint32_t* end =
      pixel + static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height());
  // Plain loops: a library call here would be instrumented after all.
  for (; pixel != end; ++pixel) {
    if (*pixel == allowed.back()) continue;  // most of the raster
    bool known = false;
    for (const std::uint32_t colour : allowed) known |= *pixel == colour;
    if (!known) return false;
  }
  return true;
}

}  // namespace pr::test
