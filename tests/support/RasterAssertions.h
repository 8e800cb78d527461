#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ios>
#include <set>
#include <sstream>
#include <utility>

#include "core/surface/RasterSurface.h"

namespace pr::test {

// Twips per pixel at 96 DPI (1440 twips per inch / 96 pixels per inch) and on
// the same screen at device pixel ratio 2; the paper the raster tests draw on.
inline constexpr double kAt96Dpi = 15.0;
inline constexpr double kAtRatioTwo = 7.5;
inline constexpr Colour kPaper = colours::kWhite;

using Cell = std::pair<int, int>;  // (column, row)

// Every pixel of the raster whose colour is (or, with `matching` false, is not) `colour`.
inline std::set<Cell> CellsOfColour(const RasterSurface& raster, Colour colour, bool matching = true) {
  std::set<Cell> cells;
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      if ((raster.PixelAt(x, y) == colour) == matching) cells.emplace(x, y);
    }
  }
  return cells;
}

// What has been drawn: every pixel that is not the background colour.
inline std::set<Cell> DrawnCells(const RasterSurface& raster) {
  return CellsOfColour(raster, raster.Background(), false);
}

inline std::size_t CountPixels(const RasterSurface& raster, Colour colour) {
  return CellsOfColour(raster, colour).size();
}

// Equal sizes and equal pixels; otherwise names the first pixel that differs.
inline ::testing::AssertionResult SameRaster(const RasterSurface& actual, const RasterSurface& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    return ::testing::AssertionFailure() << "size " << actual.Width() << "x" << actual.Height() << ", expected "
                                         << expected.Width() << "x" << expected.Height();
  }
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      if (actual.PixelAt(x, y) != expected.PixelAt(x, y)) {
        std::ostringstream text;
        text << "first difference at pixel (" << x << ", " << y << "): 0x" << std::hex << actual.PixelAt(x, y)
             << ", expected 0x" << expected.PixelAt(x, y);
        return ::testing::AssertionFailure() << text.str();
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace pr::test
