#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/surface/RasterSurface.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using namespace test;  // the raster helpers, the scales and the paper

struct Placement {
  double twipsPerPixel;
  double x, y;
  Cell pixel;
};

class PSetPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(PSetPlacement, SetsExactlyThePixelTheTwipsFallIn) {
  const Placement& c = GetParam();
  RasterSurface raster(900, 900, c.twipsPerPixel, kPaper);
  raster.PSet(c.x, c.y, colours::kRed);
  EXPECT_EQ(DrawnCells(raster), std::set<Cell>{c.pixel});
  EXPECT_EQ(raster.PixelAt(c.pixel.first, c.pixel.second), colours::kRed);
}

INSTANTIATE_TEST_SUITE_P(Cells, PSetPlacement,
                         ::testing::Values(Placement{kAt96Dpi, 0, 0, {0, 0}}, Placement{kAt96Dpi, 14, 14.9, {0, 0}},
                                           Placement{kAt96Dpi, 15, 29.9, {1, 1}}, Placement{kAt96Dpi, 42, 40, {2, 2}},
                                           Placement{kAt96Dpi, 3200, 3200, {213, 213}},
                                           Placement{kAt96Dpi, 6384, 6400, {425, 426}},
                                           Placement{kAtRatioTwo, 7.4, 7.5, {0, 1}},
                                           Placement{kAtRatioTwo, 42, 40, {5, 5}},
                                           Placement{kAtRatioTwo, 3200, 6400, {426, 853}},
                                           // The coordinate is narrowed to single first: 14.9999999999
                                           // becomes 15 and falls into the second pixel, as a line
                                           // sweep computing the same value must find it.
                                           Placement{kAt96Dpi, 14.9999999999, 0, {1, 0}}));

TEST(PSet, LaterDotsOverwriteEarlierOnes) {
  RasterSurface raster(10, 10, kAt96Dpi, kPaper);
  raster.PSet(20, 20, colours::kRed);
  raster.PSet(25, 16, colours::kBlue);  // the same pixel
  EXPECT_EQ(raster.PixelAt(1, 1), colours::kBlue);
  EXPECT_EQ(DrawnCells(raster).size(), 1u);
}

TEST(PSet, PointsOffTheSurfaceAreNotDrawnAndRaiseNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double beyondSingle = 1e39;
  const double justOff = 100 * kAt96Dpi;  // the first column past a 100-pixel raster
  const double cases[][2] = {
      {-0.001, 0},
      {0, -1},
      {justOff, 0},
      {0, justOff},
      {1e30, 5},
      {5, -1e30},
      {beyondSingle, 5},
      {5, -beyondSingle},
      {inf, 5},
      {5, -inf},
      {nan, 5},
      {5, nan},
      {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()},
  };
  RasterSurface raster(100, 100, kAt96Dpi, kPaper);
  for (const auto& c : cases) {
    EXPECT_NO_THROW(raster.PSet(c[0], c[1], colours::kRed)) << c[0] << ", " << c[1];
  }
  EXPECT_TRUE(DrawnCells(raster).empty());
}

TEST(PSet, TheLastPixelOfEachEdgeIsOnTheSurface) {
  RasterSurface raster(100, 50, kAt96Dpi, kPaper);
  raster.PSet(100 * kAt96Dpi - 0.01, 50 * kAt96Dpi - 0.01, colours::kRed);
  EXPECT_EQ(raster.PixelAt(99, 49), colours::kRed);
}

TEST(SetPixel, IgnoresPixelsOffTheRaster) {
  RasterSurface raster(4, 3, kAt96Dpi, kPaper);
  for (const Cell& c : {Cell{-1, 0}, Cell{0, -1}, Cell{4, 0}, Cell{0, 3}}) raster.SetPixel(c.first, c.second, 0);
  raster.SetPixel(3, 2, 0);
  EXPECT_EQ(DrawnCells(raster), (std::set<Cell>{{3, 2}}));
}

}  // namespace
}  // namespace pr

namespace pr {
namespace {

using test::Cell;
using test::DrawnCells;

// A raster made for scale k draws a dot as a square about k pixels a side,
// as nearly centred on the dot's own cell as whole pixels allow, and cut at
// the raster's edges.
struct DotSquare {
  int dotSize;
  double x, y;                   // twips, 7.5 to a pixel
  int left, top, right, bottom;  // the square, both ends included
};

TEST(PSetDotSize, DrawsASquareAboutTheDotsCell) {
  const DotSquare cases[] = {
      {1, 42, 40, 5, 5, 5, 5},
      {2, 42, 40, 5, 5, 6, 6},
      {3, 42, 40, 4, 4, 6, 6},
      {4, 42, 40, 4, 4, 7, 7},
      {3, 0, 0, 0, 0, 1, 1},                    // cut at the top-left
      {3, 7.5 * 19, 7.5 * 19, 18, 18, 19, 19},  // cut at the bottom-right
  };
  for (const DotSquare& c : cases) {
    SCOPED_TRACE(::testing::Message() << "dot " << c.dotSize << " at " << c.x << ", " << c.y);
    RasterSurface raster(20, 20, 7.5, colours::kWhite, c.dotSize);
    raster.PSet(c.x, c.y, colours::kRed);
    std::set<Cell> square;
    for (int x = c.left; x <= c.right; ++x) {
      for (int y = c.top; y <= c.bottom; ++y) square.emplace(x, y);
    }
    EXPECT_EQ(DrawnCells(raster), square);
  }
}

TEST(PSetDotSize, FollowsTheScaleRounded) {
  const std::pair<double, int> cases[] = {{1.0, 1}, {1.25, 1}, {1.5, 2},          {2.0, 2},
                                          {2.9, 3}, {0.5, 1},  {std::nan(""), 1}, {1e300, 64}};
  for (const auto& [scale, size] : cases) EXPECT_EQ(DotSizeFor(scale), size) << scale;
}

TEST(PSetDotSize, LinesAndCirclesAreAsWideAsTheDots) {
  RasterSurface raster(40, 40, 7.5, colours::kWhite, 2);
  raster.Line(0, 75, 7.5 * 39, 75, colours::kBlack);  // row 10
  raster.Circle(150, 150, 0, colours::kRed);          // one cell: (20, 20)
  EXPECT_EQ(test::CountPixels(raster, colours::kBlack), 80u);
  EXPECT_EQ(test::CellsOfColour(raster, colours::kRed), (std::set<Cell>{{20, 20}, {21, 20}, {20, 21}, {21, 21}}));
}

}  // namespace
}  // namespace pr
