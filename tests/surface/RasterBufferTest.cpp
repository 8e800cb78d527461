#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/surface/RasterSurface.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using namespace test;  // the raster helpers, the scales and the paper

void FillBlack(RasterSurface& raster) {
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) raster.SetPixel(x, y, colours::kBlack);
  }
}

TEST(RasterSurface, StartsAsBackgroundAndStoresRgb32) {
  RasterSurface raster(3, 2, kAt96Dpi, colours::kYellow);
  EXPECT_EQ(CountPixels(raster, colours::kYellow), 6u);
  raster.SetPixel(1, 0, 0x00332211);  // 0x00BBGGRR
  EXPECT_EQ(raster.Data()[1], 0xFF112233u);
  EXPECT_EQ(raster.BytesPerLine(), 12);
}

TEST(RasterSurface, RejectsAScaleThatIsNotAPositiveNumber) {
  EXPECT_THROW(RasterSurface(10, 10, 0.0, kPaper), std::invalid_argument);
  EXPECT_THROW(RasterSurface(10, 10, -15.0, kPaper), std::invalid_argument);
  EXPECT_THROW(RasterSurface(10, 10, std::nan(""), kPaper), std::invalid_argument);
}

TEST(RasterSurface, AnEmptyRasterAcceptsDrawing) {
  RasterSurface raster(0, 0, kAt96Dpi, kPaper);
  EXPECT_NO_THROW(raster.PSet(0, 0, 0));
  EXPECT_NO_THROW(raster.Line(0, 0, 100, 100, 0));
  EXPECT_NO_THROW(raster.Circle(0, 0, 100, 0));
}

TEST(Cls, FillsEverythingWithTheBackground) {
  RasterSurface raster(50, 50, kAt96Dpi, kPaper);
  raster.Line(0, 0, 749, 749, colours::kBlack);
  raster.Cls();
  EXPECT_TRUE(DrawnCells(raster).empty());
}

TEST(Rescale, ChangesThePixelSizeAndClearsEverything) {
  RasterSurface raster(10, 10, kAt96Dpi, kPaper);
  raster.SetPixel(2, 2, colours::kRed);
  raster.Rescale(20, 20, 7.5);
  EXPECT_EQ(raster.TwipsPerPixel(), 7.5);
  EXPECT_EQ(raster.Width(), 20);
  EXPECT_TRUE(DrawnCells(raster).empty());
  raster.PSet(15, 15, colours::kRed);
  EXPECT_EQ(DrawnCells(raster), (std::set<Cell>{{2, 2}}));
}

TEST(FillBackground, FillsTheRectangleClippedToTheRaster) {
  RasterSurface raster(5, 5, kAt96Dpi, kPaper);
  FillBlack(raster);
  raster.FillBackground({3, -2, 10, 4});  // columns 3..4, rows 0..1
  std::set<Cell> expected;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      if (!(x >= 3 && y <= 1)) expected.emplace(x, y);
    }
  }
  EXPECT_EQ(DrawnCells(raster), expected);
}

TEST(FillBackground, AcceptsRectanglesReachingToTheEndOfTheIntRange) {
  RasterSurface raster(5, 5, kAt96Dpi, kPaper);
  FillBlack(raster);
  raster.FillBackground({3, 3, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()});
  raster.FillBackground({std::numeric_limits<int>::max(), 0, 5, 5});  // entirely off the raster
  EXPECT_EQ(test::CountPixels(raster, colours::kBlack), 25u - 4u);
}

}  // namespace
}  // namespace pr
