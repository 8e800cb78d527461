#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/surface/RasterSurface.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using namespace test;  // the raster helpers, the scales and the paper

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

}  // namespace
}  // namespace pr
