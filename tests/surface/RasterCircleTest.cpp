#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "core/surface/RasterSurface.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using namespace test;  // the raster helpers, the scales and the paper

constexpr Colour kInk = colours::kRed;

std::set<Cell> Relative(const std::set<Cell>& cells, Cell centre) {
  std::set<Cell> relative;
  for (const auto& [x, y] : cells) relative.emplace(x - centre.first, y - centre.second);
  return relative;
}

// A ring of `radius` pixels around the centre of a 200-pixel raster, as
// offsets from its centre cell (100, 100).
std::set<Cell> Ring(double radiusInPixels, double twipsPerPixel = kAt96Dpi) {
  RasterSurface raster(200, 200, twipsPerPixel, kPaper);
  const double centre = 100 * twipsPerPixel + 0.3 * twipsPerPixel;  // anywhere inside the cell
  raster.Circle(centre, centre, radiusInPixels * twipsPerPixel, kInk);
  return Relative(DrawnCells(raster), {100, 100});
}

TEST(Circle, IsTheSameInXAndY) {
  for (const double radius : {0.7, 1.5, 2.0, 3.3, 7.0, 12.5, 40.0, 99.0}) {
    const std::set<Cell> ring = Ring(radius);
    for (const auto& [x, y] : ring) {
      EXPECT_TRUE(ring.count({y, x})) << "radius " << radius << " has (" << x << ", " << y << ") but not its mirror";
      EXPECT_TRUE(ring.count({-x, y}) && ring.count({x, -y})) << "radius " << radius;
    }
  }
}

TEST(Circle, EveryPixelLiesOnTheRingWithinHalfAPixelOrSo) {
  for (const double radius : {1.0, 2.5, 6.0, 17.0, 64.0, 99.0}) {
    for (const auto& [x, y] : Ring(radius)) {
      EXPECT_NEAR(std::hypot(x, y), radius, 0.75) << "radius " << radius << " at (" << x << ", " << y << ")";
    }
  }
}

// Round the ring each pixel touches the next one (8-neighbours), so the ring
// is closed, and it is one pixel wide: no pixel has more than two ring
// neighbours apart from where the ring turns a corner in a staircase.
TEST(Circle, IsAClosedRingOnePixelWide) {
  for (const double radius : {3.0, 5.5, 10.0, 31.0, 80.0}) {
    const std::set<Cell> ring = Ring(radius);
    std::map<int, int> pixelsPerColumnInTopOctant;
    for (const auto& [x, y] : ring) {
      int neighbours = 0;
      for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) neighbours += (dx || dy) && ring.count({x + dx, y + dy});
      }
      EXPECT_GE(neighbours, 2) << "radius " << radius << ": the ring is broken at (" << x << ", " << y << ")";
      if (y < 0 && std::abs(x) < -y) ++pixelsPerColumnInTopOctant[x];
    }
    for (const auto& [x, count] : pixelsPerColumnInTopOctant) {
      EXPECT_EQ(count, 1) << "radius " << radius << ", column " << x;
    }
  }
}

TEST(Circle, BelowHalfAPixelSetsTheCentrePixel) {
  for (const double radius : {0.0, 0.1, 0.49}) EXPECT_EQ(Ring(radius), (std::set<Cell>{{0, 0}})) << radius;
}

// A point marker is 30 rings of radius 1 to 30 twips around one centre; on
// screen it must be a solid disc, at 96 DPI (2 pixels) and at device pixel
// ratio 2 (4 pixels).
TEST(Circle, ThirtyConcentricMarkerRingsMakeASolidDisc) {
  const struct {
    double twipsPerPixel;
    int radiusInPixels;
  } screens[] = {{kAt96Dpi, 2}, {kAtRatioTwo, 4}};
  for (const auto& screen : screens) {
    for (const double offsetInCell : {0.0, 0.5, 0.99}) {
      RasterSurface raster(40, 40, screen.twipsPerPixel, kPaper);
      const double centre = (20 + offsetInCell) * screen.twipsPerPixel;
      for (int radius = 1; radius <= 30; ++radius) raster.Circle(centre, centre, radius, kInk);
      const std::set<Cell> disc = Relative(DrawnCells(raster), {20, 20});

      SCOPED_TRACE(screen.twipsPerPixel);
      const int r = screen.radiusInPixels;
      for (int y = -r - 1; y <= r + 1; ++y) {
        for (int x = -r - 1; x <= r + 1; ++x) {
          const double distance = std::hypot(x, y);
          if (distance <= r) {
            EXPECT_TRUE(disc.count({x, y})) << "hole at (" << x << ", " << y << ")";
          } else if (distance > r + 1) {
            EXPECT_FALSE(disc.count({x, y})) << "stray pixel at (" << x << ", " << y << ")";
          }
        }
      }
      EXPECT_TRUE(disc.count({0, r}) && disc.count({r, 0}) && disc.count({0, -r}) && disc.count({-r, 0}));
      EXPECT_FALSE(disc.count({0, r + 1}));
    }
  }
}

TEST(Circle, IsClippedToTheSurface) {
  RasterSurface raster(100, 100, kAt96Dpi, kPaper);
  raster.Circle(0, 0, 50 * kAt96Dpi, kInk);  // a quarter shows
  const std::set<Cell> drawn = DrawnCells(raster);
  EXPECT_TRUE(drawn.count({50, 0}) && drawn.count({0, 50}));
  for (const auto& [x, y] : drawn) EXPECT_NEAR(std::hypot(x, y), 50.0, 0.75);
}

// A huge radius costs no more than the raster: only the part of the ring that
// crosses the surface is visited.
TEST(Circle, AHugeRingDrawsOnlyWhereItCrossesTheSurface) {
  RasterSurface raster(100, 100, kAt96Dpi, kPaper);
  const double radius = 1e7;                                  // 666,667 pixels; the centre is still a whole single
  raster.Circle(-radius + 50 * kAt96Dpi, 750, radius, kInk);  // crosses column 50 almost vertically
  const std::set<Cell> drawn = DrawnCells(raster);
  ASSERT_FALSE(drawn.empty());
  for (const auto& [x, y] : drawn) EXPECT_NEAR(x, 50, 1) << y;

  RasterSurface untouched(100, 100, kAt96Dpi, kPaper);
  untouched.Circle(750, 750, 1e30, kInk);  // the whole surface is inside the ring
  EXPECT_TRUE(DrawnCells(untouched).empty());
}

TEST(Circle, OffRangeCentresAndBadRadiiDrawNothingAndRaiseNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double cases[][3] = {{1e39, 750, 30}, {750, -inf, 30}, {nan, 750, 30},   {750, 750, -1},
                             {750, 750, nan}, {750, 750, inf}, {750, 750, 1e39}, {-5000, 750, 30}};
  RasterSurface raster(100, 100, kAt96Dpi, kPaper);
  for (const auto& c : cases) EXPECT_NO_THROW(raster.Circle(c[0], c[1], c[2], kInk)) << c[0] << " " << c[2];
  EXPECT_TRUE(DrawnCells(raster).empty());
}

}  // namespace
}  // namespace pr
