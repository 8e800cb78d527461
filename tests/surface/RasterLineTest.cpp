#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <map>
#include <random>

#include "core/surface/RasterSurface.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using namespace test;  // the raster helpers, the scales and the paper

constexpr Colour kInk = colours::kBlack;

std::set<Cell> LineCells(double x1, double y1, double x2, double y2, int size = 500, double twipsPerPixel = kAt96Dpi) {
  RasterSurface raster(size, size, twipsPerPixel, kPaper);
  raster.Line(x1, y1, x2, y2, kInk);
  return DrawnCells(raster);
}

std::set<Cell> ColumnOfCells(int column, int firstRow, int lastRow) {
  std::set<Cell> cells;
  for (int row = firstRow; row <= lastRow; ++row) cells.emplace(column, row);
  return cells;
}

// One pixel per step along the longer axis, each step moving at most one
// pixel along the other: a solid line one pixel wide.
void ExpectThinAndConnected(const std::set<Cell>& cells) {
  ASSERT_FALSE(cells.empty());
  std::map<int, int> rowOfColumn, columnOfRow;
  for (const auto& [x, y] : cells) {
    rowOfColumn[x] = y;
    columnOfRow[y] = x;
  }
  const bool shallow = rowOfColumn.size() >= columnOfRow.size();
  const std::map<int, int>& steps = shallow ? rowOfColumn : columnOfRow;
  EXPECT_EQ(steps.size(), cells.size()) << "more than one pixel in a step";
  for (auto it = steps.begin(); std::next(it) != steps.end(); ++it) {
    const auto next = std::next(it);
    EXPECT_EQ(next->first, it->first + 1) << "gap after step " << it->first;
    EXPECT_LE(std::abs(next->second - it->second), 1) << "jump after step " << it->first;
  }
}

TEST(Line, TheVerticalAxisCoversColumn213FromTheTopRowToRow426) {
  EXPECT_EQ(LineCells(3200, 0, 3200, 6400), ColumnOfCells(213, 0, 426));
}

TEST(Line, TheHorizontalAxisCoversRow213) {
  std::set<Cell> row;
  for (int x = 0; x <= 426; ++x) row.emplace(x, 213);
  EXPECT_EQ(LineCells(0, 3200, 6400, 3200), row);
}

TEST(Line, AtDevicePixelRatioTwoTheAxisHasTwiceThePixels) {
  EXPECT_EQ(LineCells(3200, 0, 3200, 6400, 900, kAtRatioTwo), ColumnOfCells(426, 0, 853));
}

// At every step along the longer axis the line's pixel is the cell nearest
// to the exact line between the end cells' centres (a tie may go either way),
// as Bresenham's algorithm chooses; the end cells are therefore included.
TEST(Line, EachStepTakesTheCellNearestTheExactLine) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> cell(0, 99);
  std::uniform_real_distribution<double> within(0.0, 0.999);
  for (int i = 0; i < 3000; ++i) {
    const int ends[4] = {cell(random), cell(random), cell(random), cell(random)};
    const std::set<Cell> drawn =
        LineCells((ends[0] + within(random)) * kAt96Dpi, (ends[1] + within(random)) * kAt96Dpi,
                  (ends[2] + within(random)) * kAt96Dpi, (ends[3] + within(random)) * kAt96Dpi, 100);
    const bool steep = std::abs(ends[3] - ends[1]) > std::abs(ends[2] - ends[0]);
    const auto major = [&](int k) { return ends[steep ? k + 1 : k]; };
    const auto minor = [&](int k) { return ends[steep ? k : k + 1]; };
    const auto at = [steep](int m, int n) { return steep ? Cell{n, m} : Cell{m, n}; };
    const int length = major(2) - major(0);
    const int sign = length < 0 ? -1 : 1;
    for (int step = 0; step <= std::abs(length); ++step) {
      const double exact = length == 0 ? minor(0) : minor(0) + double(step) * (minor(2) - minor(0)) / std::abs(length);
      const int m = major(0) + sign * step;
      const int nearest = static_cast<int>(std::floor(exact + 0.5));
      const bool tie = exact + 0.5 == nearest;
      ASSERT_TRUE(drawn.count(at(m, nearest)) || (tie && drawn.count(at(m, nearest - 1))))
          << "line " << i << " step " << step;
    }
    ASSERT_EQ(drawn.size(), std::abs(length) + 1u) << "line " << i;
  }
}

TEST(Line, IsOnePixelWideAndSolidAtAnySlope) {
  for (int degrees = 0; degrees < 360; degrees += 7) {
    const double angle = degrees * std::acos(-1.0) / 180.0;
    SCOPED_TRACE(degrees);
    ExpectThinAndConnected(LineCells(3700, 3700, 3700 + 3000 * std::cos(angle), 3700 + 3000 * std::sin(angle)));
  }
}

TEST(Line, TheDiagonalIsOnePixelPerColumnAndRow) {
  std::set<Cell> diagonal;
  for (int i = 0; i < 100; ++i) diagonal.emplace(i, i);
  EXPECT_EQ(LineCells(0, 0, 1499, 1499, 100), diagonal);
}

TEST(Line, IsTheSameSetOfPixelsEitherWayRound) {
  EXPECT_EQ(LineCells(100, 200, 5000, 1700), LineCells(5000, 1700, 100, 200));
  EXPECT_EQ(LineCells(300, 6000, 1000, 10), LineCells(1000, 10, 300, 6000));
}

TEST(Line, AZeroLengthLineSetsOnePixel) { EXPECT_EQ(LineCells(40, 40, 40, 40), (std::set<Cell>{{2, 2}})); }

// Clipping must not move the pixels: the part of a line inside a small
// raster is the same as on a larger raster that contains the whole line,
// shifted by a whole number of pixels.
TEST(Line, ClippingKeepsThePixelsOfTheUnclippedLine) {
  const double shift = 200 * kAt96Dpi;  // 200 pixels
  const struct {
    double x1, y1, x2, y2;
  } cases[] = {{-2000, -900, 4000, 5000}, {-1234, 1500, 4321, 1800}, {1000, -2500, 1300, 5500}, {-99, 3333, 3100, -17}};
  for (const auto& c : cases) {
    RasterSurface small(200, 200, kAt96Dpi, kPaper);
    small.Line(c.x1, c.y1, c.x2, c.y2, kInk);
    RasterSurface large(700, 700, kAt96Dpi, kPaper);
    large.Line(c.x1 + shift, c.y1 + shift, c.x2 + shift, c.y2 + shift, kInk);

    std::set<Cell> cropped;
    for (const auto& [x, y] : DrawnCells(large)) {
      if (x >= 200 && x < 400 && y >= 200 && y < 400) cropped.emplace(x - 200, y - 200);
    }
    EXPECT_FALSE(cropped.empty());
    EXPECT_EQ(DrawnCells(small), cropped) << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
  }
}

TEST(Line, ToAFarPointWithinTheSingleRangeDrawsItsVisiblePart) {
  std::set<Cell> diagonal;
  for (int i = 0; i < 100; ++i) diagonal.emplace(i, i);
  EXPECT_EQ(LineCells(0, 0, 1e30, 1e30, 100), diagonal);
  EXPECT_EQ(LineCells(-1e30, -1e30, 1e30, 1e30, 100), diagonal);
  EXPECT_EQ(LineCells(-3e38, 1000, 3e38, 1000, 100).size(), 100u);
}

TEST(Line, WithAnEndOffTheSingleRangeDrawsNothingAndRaisesNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double ends[][4] = {{0, 0, 1e39, 100}, {0, 0, 100, -1e39}, {-1e39, 0, 100, 100}, {0, inf, 100, 100},
                            {0, 0, -inf, 100}, {nan, 0, 100, 100}, {0, 0, 100, nan}};
  RasterSurface raster(100, 100, kAt96Dpi, kPaper);
  for (const auto& e : ends) EXPECT_NO_THROW(raster.Line(e[0], e[1], e[2], e[3], kInk));
  EXPECT_TRUE(DrawnCells(raster).empty());
}

TEST(Line, EntirelyOffTheSurfaceDrawsNothing) {
  EXPECT_TRUE(LineCells(-100, -100, -3000, 5000, 100).empty());
  EXPECT_TRUE(LineCells(1600, 0, 9000, 1400, 100).empty());  // right of the surface
}

}  // namespace
}  // namespace pr
