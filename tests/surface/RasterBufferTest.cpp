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

TEST(Cls, FillsEverythingWithTheBackgroundEvenWhileAClipIsSet) {
  RasterSurface raster(50, 50, kAt96Dpi, kPaper);
  raster.Line(0, 0, 749, 749, colours::kBlack);
  raster.SetClip({{0, 0, 10, 10}});
  raster.Cls();
  EXPECT_TRUE(DrawnCells(raster).empty());
}

TEST(Clip, DrawingReachesOnlyPixelsInsideOneOfTheRectangles) {
  RasterSurface raster(60, 60, kAt96Dpi, kPaper);
  raster.SetClip({{0, 0, 10, 60}, {50, 20, 10, 10}});
  raster.Line(0, 25 * kAt96Dpi, 900, 25 * kAt96Dpi, colours::kBlack);  // row 25, all columns
  raster.PSet(30 * kAt96Dpi, 5 * kAt96Dpi, colours::kRed);               // outside both
  raster.PSet(5 * kAt96Dpi, 5 * kAt96Dpi, colours::kRed);                // inside the first
  raster.SetPixel(55, 21, colours::kBlue);                                // inside the second
  raster.SetPixel(55, 35, colours::kBlue);                                // outside both
  for (int y = 0; y < 60; ++y) raster.SetPixel(52, y, colours::kGreen);  // rows 20..29 only
  raster.Circle(30 * kAt96Dpi, 30 * kAt96Dpi, 10 * kAt96Dpi, colours::kRed);  // entirely outside

  std::set<Cell> expected;
  for (int x = 0; x < 10; ++x) expected.emplace(x, 25);
  for (int x = 50; x < 60; ++x) expected.emplace(x, 25);
  expected.emplace(5, 5);
  expected.emplace(55, 21);
  for (int y = 20; y < 30; ++y) expected.emplace(52, y);
  EXPECT_EQ(DrawnCells(raster), expected);
  EXPECT_EQ(raster.PixelAt(52, 25), colours::kGreen);

  raster.ClearClip();
  raster.PSet(30 * kAt96Dpi, 5 * kAt96Dpi, colours::kRed);
  EXPECT_EQ(raster.PixelAt(30, 5), colours::kRed);
}

TEST(Resize, KeepsThePixelsStillCoveredAndFillsTheNewAreaWithBackground) {
  RasterSurface raster(4, 3, kAt96Dpi, kPaper);
  raster.SetPixel(3, 2, colours::kRed);
  raster.SetPixel(1, 1, colours::kBlue);

  const std::vector<PixelRect> filled = raster.Resize(6, 5);
  EXPECT_EQ(raster.Width(), 6);
  EXPECT_EQ(raster.Height(), 5);
  EXPECT_EQ(filled, (std::vector<PixelRect>{{4, 0, 2, 5}, {0, 3, 4, 2}}));
  EXPECT_EQ(DrawnCells(raster), (std::set<Cell>{{1, 1}, {3, 2}}));
  EXPECT_EQ(raster.PixelAt(3, 2), colours::kRed);
  EXPECT_EQ(raster.PixelAt(1, 1), colours::kBlue);
}

TEST(Resize, ShrinkingFillsNothingAndGrowingBackShowsBackground) {
  RasterSurface raster(4, 4, kAt96Dpi, kPaper);
  raster.SetPixel(3, 3, colours::kRed);
  raster.SetPixel(0, 1, colours::kRed);
  EXPECT_TRUE(raster.Resize(2, 2).empty());
  EXPECT_EQ(DrawnCells(raster), (std::set<Cell>{{0, 1}}));
  EXPECT_EQ(raster.Resize(4, 4).size(), 2u);
  EXPECT_EQ(DrawnCells(raster), (std::set<Cell>{{0, 1}}));
}

TEST(Resize, GrowingOnlyInOneDirectionFillsOneRectangle) {
  RasterSurface raster(4, 4, kAt96Dpi, kPaper);
  EXPECT_EQ(raster.Resize(4, 6), (std::vector<PixelRect>{{0, 4, 4, 2}}));
  EXPECT_EQ(raster.Resize(2, 6), std::vector<PixelRect>{});
  EXPECT_EQ(raster.Resize(5, 3), (std::vector<PixelRect>{{2, 0, 3, 3}}));
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

TEST(FillBackground, FillsTheRectangleClippedToTheRasterWhateverTheClip) {
  RasterSurface raster(5, 5, kAt96Dpi, kPaper);
  FillBlack(raster);
  raster.SetClip({{0, 0, 1, 1}});
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
