#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/numbers/RuntimeError.h"
#include "plot/WorldToPlot.h"

namespace pr {
namespace {

// std::bit_cast, which the WebAssembly build's standard library lacks.
std::uint64_t BitsOf(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct Mapping {
  Point world;
  double fullScale;
  PlotPoint plot;
};

class WorldToPlotExamples : public ::testing::TestWithParam<Mapping> {};

TEST_P(WorldToPlotExamples, MapsTheWorldOntoTheSquareOf6400Twips) {
  const Mapping& m = GetParam();
  EXPECT_EQ(WorldToPlot(m.world, m.fullScale), m.plot);
}

INSTANTIATE_TEST_SUITE_P(
    PlotArea, WorldToPlotExamples,
    ::testing::Values(Mapping{{0, 0}, 10, {3200, 3200}},     // the origin is the centre
                      Mapping{{10, 10}, 10, {6400, 0}},      // top-right corner
                      Mapping{{-10, -10}, 10, {0, 6400}},    // bottom-left corner
                      Mapping{{2.5, -5}, 10, {4000, 4800}},  // y grows downwards on the surface
                      Mapping{{10, 10}, -10, {0, 6400}},     // a negative scale mirrors through the origin
                      Mapping{{20, 0}, 10, {9600, 3200}},    // no clipping: outside the plot area
                      Mapping{{1, -1}, 0.5, {9600, 9600}},
                      // 3200 / 3 is formed first and then multiplied: 2.7 lands a
                      // hair above 320 (x * 3200 / 3 would give exactly 320).
                      Mapping{{0.4, 2.7}, 3, {3626.666666666667, 319.99999999999955}}));

TEST(WorldToPlot, EqualsTheMappingWithTheScaleFormedOnceToTheLastBit) {
  const double scales[] = {3, 7, -11, 0.3, 1e-3, 123456.789};
  const Point points[] = {{0.1, 0.7}, {-2.2, 5.5}, {1e5, -3.3}, {-0.017, 1e-9}};
  for (const double fs : scales) {
    for (const Point p : points) {
      const PlotPoint once = WorldToPlotScaled(p, PlotScale(fs));
      const PlotPoint direct = WorldToPlot(p, fs);
      EXPECT_EQ(BitsOf(direct.x), BitsOf(once.x)) << fs;
      EXPECT_EQ(BitsOf(direct.y), BitsOf(once.y)) << fs;
    }
  }
}

TEST(PlotScale, IsTwipsPerWorldUnit) {
  EXPECT_EQ(PlotScale(10), 320.0);
  EXPECT_EQ(PlotScale(-3200), -1.0);
}

TEST(PlotScale, RaisesOverflowWhenTheFactorIsBeyondTheDoubleRange) {
  try {
    PlotScale(std::numeric_limits<double>::denorm_min());
    FAIL() << "no error raised";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::Overflow);
  }
}

TEST(WorldToPlot, AHugeResultIsNoErrorJustOffTheSurface) {
  PlotPoint far;
  ASSERT_NO_THROW(far = WorldToPlot({1e300, -1e300}, 1e-10));
  EXPECT_EQ(far.x, std::numeric_limits<double>::infinity());
  EXPECT_EQ(far.y, std::numeric_limits<double>::infinity());
  EXPECT_GT(WorldToPlot({1e30, 0}, 1e-10).x, std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace pr
