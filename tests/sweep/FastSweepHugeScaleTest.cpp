// Full scales whose plain sweep would take from hours to forever: the fast
// sweep still ends, and the diagonals y = x and y = -x come out as
// diagonals of the plot area.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "sweep/SweepComparison.h"

namespace pr {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kRed = 0x0000FF;
constexpr int kPlotPixels = 427;  // 6400 twips at 15 twips a pixel, rounded up

TEST(FastSweepAtHugeScales, DiagonalsCrossThePlotCornerToCorner) {
  const double scales[] = {1e9, 0x1p47, 1e15, 0x1p60, 1e100, 1e300, std::numeric_limits<double>::max()};
  for (const double fs : scales) {
    SCOPED_TRACE(::testing::Message() << "fs = " << fs);
    RasterSurface raster(974, 576, 15.0, 0xFFFFFF);
    FastSweep(raster, fs, test::LineAndPerpendicular(1, 0));
    std::vector<bool> blackInColumn(kPlotPixels, false);
    std::vector<bool> redInColumn(kPlotPixels, false);
    for (int y = 0; y < raster.Height(); ++y) {
      for (int x = 0; x < raster.Width(); ++x) {
        const Colour c = raster.PixelAt(x, y);
        if (c == 0xFFFFFF) continue;
        ASSERT_LT(x, kPlotPixels);
        if (c == kBlack) {
          EXPECT_NEAR(x + y, kPlotPixels - 1, 1) << "black at (" << x << ", " << y << ")";
          blackInColumn[static_cast<std::size_t>(x)] = true;
        } else {
          ASSERT_EQ(c, kRed);
          EXPECT_NEAR(x, y, 1) << "red at (" << x << ", " << y << ")";
          redInColumn[static_cast<std::size_t>(x)] = true;
        }
      }
    }
    for (int x = 0; x < kPlotPixels; ++x) {
      EXPECT_TRUE(blackInColumn[static_cast<std::size_t>(x)]) << "no black dot in column " << x;
      EXPECT_TRUE(redInColumn[static_cast<std::size_t>(x)]) << "no red dot in column " << x;
    }
  }
}

}  // namespace
}  // namespace pr
