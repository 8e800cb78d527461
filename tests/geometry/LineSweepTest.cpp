#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/numbers/RuntimeError.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/sweep/LineSweep.h"
#include "geometry/sweep/PlainSweep.h"
#include "geometry/sweep/TracedLine.h"
#include "support/FakeForm.h"
#include "support/RecordingSurface.h"

namespace pr {
namespace {

using Kind = TracedLine::Kind;

TEST(DotAt, AsComputedAndSetUnlessBelowThePlot) {
  struct Case {
    TracedLine line;
    double x;
    Point dot;
    bool set;
  };
  const TracedLine rising{Kind::Sloped, 2, 1, 0};
  const TracedLine axis{Kind::VerticalAxis, 0, 0, 0};
  const Case cases[] = {
      {rising, 3, {3, 7}, true},         {rising, -10, {-10, -19}, false},  // below the plot
      {rising, -5.5, {-5.5, -10}, true},                                    // on the bottom edge
      {rising, 20, {20, 41}, true},                                         // above: off the surface
      {axis, -3, {0, -3}, true},         {axis, 7.5, {0, 7.5}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DotAt(c.line, c.x), c.dot) << c.x;
    EXPECT_EQ(SweepDraws(c.dot, 10), c.set) << c.x;
  }
}

// The second line leaves the doubles past x = 5.3 while the first is still
// fine: that step sets neither dot.
TEST(PlainSweep, AnOverflowingStepSetsNoDot) {
  const std::array<TracedLine, 2> lines = {TracedLine{Kind::Sloped, 0, 0, 0x000000},
                                           TracedLine{Kind::Sloped, 1.5e307, 1e308, 0x0000FF}};
  test::RecordingSurface surface;
  EXPECT_THROW(PlainSweep(surface, 10, lines), RuntimeError);
  const auto& calls = surface.Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.size() % 2, 0u);
  EXPECT_EQ(calls.back().colour, 0x0000FFu);
  EXPECT_LT(calls.size(), 2u * 2001u);
}

// 427 pixels of 15 twips cover the 6400-twip plot.
RasterSurface PlotRaster() { return RasterSurface(427, 427, 15.0, colours::kWhite); }

TEST(SweepLines, LeavesThePixelsOfThePlainSweepOnARaster) {
  const std::array<TracedLine, 2> lines = {TracedLine{Kind::Sloped, 2, 1, colours::kBlack},
                                           TracedLine{Kind::Sloped, -0.5, 1, colours::kRed}};
  for (double fullScale : {150.0, 1000.0}) {
    RasterSurface plain = PlotRaster();
    RasterSurface chosen = PlotRaster();
    PlainSweep(plain, fullScale, lines);
    SweepLines(chosen, fullScale, lines);
    EXPECT_TRUE(std::equal(plain.Data(), plain.Data() + 427 * 427, chosen.Data())) << fullScale;
  }
}

bool ColumnHas(const RasterSurface& raster, int column, Colour colour) {
  for (int row = 0; row < raster.Height(); ++row) {
    if (raster.PixelAt(column, row) == colour) return true;
  }
  return false;
}

// From a full scale of about 1.4e14 adding 0.01 no longer moves x: the old
// sweep never ended there.
TEST(SweepLines, EndsForHugeFullScalesAndSpansThePlot) {
  for (const char* fullScale : {"1e15", "1e300"}) {
    RasterSurface raster = PlotRaster();
    test::FakeForm form(raster);
    form.Type("0", "0", "0", "0", "1", "1", fullScale);
    Command4_Click(form);
    EXPECT_EQ(form.Caption(ResultLabel::EquationP2P3), " Retta su P2-P3      Y = + 1.00 X 0") << fullScale;
    EXPECT_TRUE(ColumnHas(raster, 0, colours::kYellow)) << fullScale;
    EXPECT_TRUE(ColumnHas(raster, raster.Width() - 1, colours::kYellow)) << fullScale;
  }
}

}  // namespace
}  // namespace pr
