// The fast sweep leaves exactly the pixels of the plain one, dot for dot.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "sweep/SweepComparison.h"
#include "sweep/TestScale.h"

namespace pr {
namespace {

using test::ExpectFastSweepLikePlain;
using test::kRaster96Dpi;
using test::kRasterRatio2;
using test::LineAndPerpendicular;
using test::SingleLine;

// A line y = slope * x + intercept; with interceptPerFullScale the intercept
// is that many full scales, so the line keeps its place in the plot at
// every full scale.
struct LineCase {
  const char* what;
  double slope;
  double intercept;
  bool interceptPerFullScale;
  double InterceptAt(double fs) const { return interceptPerFullScale ? intercept * fs : intercept; }
};

const LineCase kLines[] = {
    {"ordinary", 2, 1, false},
    {"diagonal through the origin", 1, 0, false},
    {"shallow", 0.001, 0.3, true},
    {"steep", 1000, 0.5, false},
    {"steep, off centre", 1000, -0.4, true},
    {"horizontal", 0, 0.25, true},
    {"horizontal below the plot", 0, -2, true},
    {"leaving through the bottom edge", 3, -1.5, true},
    {"mostly above the top edge", 5, 0.9, true},
    {"negative slope", -1.5, 2, false},
    {"steep negative", -1000, -0.2, true},
    {"both leaving through the bottom edge", 0.2, -2, true},
    {"both leaving through the bottom edge, falling", -0.2, -2, true},
    {"huge intercept", 0.5, 1e9, false},
    {"tiny slope", 1e-9, -0.999, true},
};

const double kScales[] = {1, 3, 10, 100, 1e3, 1e4};

TEST(FastSweepIdentity, SingleLinesAtEveryScale) {
  for (const LineCase& line : kLines) {
    SCOPED_TRACE(line.what);
    for (const double fs : kScales) {
      ExpectFastSweepLikePlain(kRaster96Dpi, fs, SingleLine(line.slope, line.InterceptAt(fs)));
    }
  }
}

TEST(FastSweepIdentity, LineAndPerpendicularAtEveryScale) {
  for (const LineCase& line : kLines) {
    SCOPED_TRACE(line.what);
    for (const double fs : kScales) {
      ExpectFastSweepLikePlain(kRaster96Dpi, fs, LineAndPerpendicular(line.slope, line.InterceptAt(fs)));
    }
  }
}

TEST(FastSweepIdentity, LineAndPerpendicularAtDevicePixelRatioTwo) {
  for (const LineCase& line : kLines) {
    SCOPED_TRACE(line.what);
    for (const double fs : {1.0, 10.0, 1e3}) {
      ExpectFastSweepLikePlain(kRasterRatio2, fs, LineAndPerpendicular(line.slope, line.InterceptAt(fs)));
    }
  }
}

TEST(FastSweepIdentity, LineAndPerpendicularAtOneHundredThousand) {
  // 2 * 10^7 plain steps each: a few lines only.
  const LineCase lines[] = {kLines[0], kLines[4], kLines[11], kLines[12]};
  for (const LineCase& line : lines) {
    SCOPED_TRACE(line.what);
    ExpectFastSweepLikePlain(kRaster96Dpi, 1e5, LineAndPerpendicular(line.slope, line.InterceptAt(1e5)));
    if (test::Scaled(10) < 10) break;
  }
}

TEST(FastSweepIdentity, WindowSmallerThanThePlot) {
  // The raster ends inside the plot: dots past its right and bottom edges
  // are off it.
  const test::RasterShape small{300, 200, 15.0};
  for (const LineCase& line : kLines) {
    SCOPED_TRACE(line.what);
    for (const double fs : {10.0, 1e3}) {
      ExpectFastSweepLikePlain(small, fs, LineAndPerpendicular(line.slope, line.InterceptAt(fs)));
    }
  }
}

TEST(FastSweepIdentity, SmallAndOddFullScales) {
  for (const double fs : {0.01, 0.1, 0.3, 0.0078125, 2.5, 1.0 / 3.0, 64.0, 127.99}) {
    ExpectFastSweepLikePlain(kRaster96Dpi, fs, LineAndPerpendicular(2, 0.1 * fs));
    ExpectFastSweepLikePlain(kRaster96Dpi, fs, LineAndPerpendicular(0, -0.5 * fs));
  }
}

TEST(FastSweepIdentity, RandomLines) {
  std::mt19937_64 random(7122026);
  std::uniform_real_distribution<double> scaleExponent(0.0, 3.5);
  std::uniform_real_distribution<double> slopeExponent(-4.0, 4.0);
  std::uniform_real_distribution<double> intercept(-3.0, 3.0);
  std::bernoulli_distribution negative(0.5);
  std::bernoulli_distribution horizontal(0.05);
  const int count = test::Scaled(150);
  for (int i = 0; i < count; ++i) {
    const double fs = std::pow(10.0, scaleExponent(random));
    double slope = std::pow(10.0, slopeExponent(random)) * (negative(random) ? -1 : 1);
    if (horizontal(random)) slope = 0;
    const double q = intercept(random) * fs;
    SCOPED_TRACE(::testing::Message() << "line " << i << ": y = " << slope << " x + " << q);
    ExpectFastSweepLikePlain(kRaster96Dpi, fs, LineAndPerpendicular(slope, q));
  }
}

TEST(FastSweepIdentity, OverflowAtTheFirstStepDrawsNothing) {
  const std::vector<TracedLine> lines = LineAndPerpendicular(1e-306, 0);  // perpendicular slope -1e306
  ExpectFastSweepLikePlain(kRaster96Dpi, 1000, lines);
  const auto fast = test::RunOnBackground(kRaster96Dpi, [&](RasterSurface& r) { FastSweep(r, 1000, lines); });
  EXPECT_EQ(fast.error, ErrorCode::Overflow);
}

TEST(FastSweepIdentity, OverflowPartWayKeepsTheDotsBeforeIt) {
  // y = 10^307 x + 1.7 * 10^308 is finite at x = -10 and overflows from
  // x of about 0.0098 on; the perpendicular is fine all along.
  const double max = std::numeric_limits<double>::max();
  const std::vector<TracedLine> lines = {{TracedLine::Kind::Sloped, 1e307, 0.95 * max, 0x000000},
                                         {TracedLine::Kind::Sloped, -0.5, 1, 0x0000FF}};
  ExpectFastSweepLikePlain(kRaster96Dpi, 10, lines);
  // And with the overflowing line second, so the first one's dot of the
  // failing step is not drawn either.
  const std::vector<TracedLine> swapped = {lines[1], lines[0]};
  ExpectFastSweepLikePlain(kRaster96Dpi, 10, swapped);
  const auto fast = test::RunOnBackground(kRaster96Dpi, [&](RasterSurface& r) { FastSweep(r, 10, swapped); });
  EXPECT_EQ(fast.error, ErrorCode::Overflow);
}

TEST(FastSweepIdentity, NegativeFullScaleDrawsNothing) {
  ExpectFastSweepLikePlain(kRaster96Dpi, -10, LineAndPerpendicular(2, 1));
}

}  // namespace
}  // namespace pr
