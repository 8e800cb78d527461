// The fast sweep against the plain one at a full scale of 10^6: 2 * 10^8
// steps a line, seconds of plain sweeping per case, so few cases.
#include <gtest/gtest.h>

#include "sweep/SweepComparison.h"

namespace pr {
namespace {

// The sanitizer build sweeps ten times slower; it checks a smaller scale.
#ifdef PR_SWEEP_TESTS_REDUCED
constexpr double kFullScale = 1e5;
#else
constexpr double kFullScale = 1e6;
#endif

TEST(FastSweepAtAMillion, OrdinaryLineAndPerpendicular) {
  test::ExpectFastSweepLikePlain(test::kRaster96Dpi, kFullScale, test::LineAndPerpendicular(2, 1));
}

TEST(FastSweepAtAMillion, SteepLineAndPerpendicularLeavingThroughTheBottomEdge) {
  // The line y = 1000 x - 1.5 fs is below the plot left of x = 0.0005 fs;
  // its perpendicular from x = -0.5 fs on.
  test::ExpectFastSweepLikePlain(test::kRaster96Dpi, kFullScale, test::LineAndPerpendicular(1000, -1.5 * kFullScale));
}

TEST(FastSweepAtAMillion, ShallowLineMostlyAboveTheTop) {
  test::ExpectFastSweepLikePlain(test::kRaster96Dpi, kFullScale, test::SingleLine(0.001, 0.99 * kFullScale));
}

}  // namespace
}  // namespace pr
