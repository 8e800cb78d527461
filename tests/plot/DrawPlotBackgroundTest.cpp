#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "core/surface/RasterSurface.h"
#include "plot/DrawPlotBackground.h"
#include "support/RasterAssertions.h"
#include "support/RecordingSurface.h"

namespace pr {
namespace {

using Op = test::RecordingSurface::Op;
using Call = test::RecordingSurface::Call;

constexpr std::size_t kVerticalDots = 21 * 161;
constexpr std::size_t kHorizontalDots = 21 * 153;
constexpr Colour kGrid = 7;
constexpr Colour kPaper = colours::kWhite;

std::vector<Call> BackgroundCalls() {
  test::RecordingSurface surface;
  DrawPlotBackground(surface);
  return surface.Calls();
}

Call Dot(float x, float y, Colour colour) { return {.op = Op::PSet, .x1 = x, .y1 = y, .colour = colour}; }
Call Segment(float x1, float y1, float x2, float y2, Colour colour) {
  return {.op = Op::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour};
}

TEST(DrawPlotBackground, Issues6594GridDotsTwoAxesAndFourEdgeDots) {
  test::RecordingSurface surface;
  DrawPlotBackground(surface);
  EXPECT_EQ(kVerticalDots + kHorizontalDots, 6594u);
  EXPECT_EQ(surface.Count(Op::PSet), 6594u + 4u);
  EXPECT_EQ(surface.Count(Op::Line), 2u);
  EXPECT_EQ(surface.Count(Op::Cls), 0u);  // it draws over whatever is there
  EXPECT_EQ(surface.Count(Op::Circle), 0u);
  EXPECT_EQ(surface.Calls().size(), 6600u);
}

TEST(DrawPlotBackground, FirstTheVerticalLinesTopToBottomDotsEvery40Twips) {
  const std::vector<Call> calls = BackgroundCalls();
  for (std::size_t line = 0; line < 21; ++line) {
    for (std::size_t dot = 0; dot < 161; ++dot) {
      SCOPED_TRACE(::testing::Message() << "line " << line << ", dot " << dot);
      EXPECT_EQ(calls[line * 161 + dot], Dot(320.0f * line, 40.0f * dot, kGrid));
    }
  }
}

TEST(DrawPlotBackground, ThenTheHorizontalLinesLeftToRightDotsEvery42Twips) {
  const std::vector<Call> calls = BackgroundCalls();
  for (std::size_t line = 0; line < 21; ++line) {
    for (std::size_t dot = 0; dot < 153; ++dot) {
      SCOPED_TRACE(::testing::Message() << "line " << line << ", dot " << dot);
      EXPECT_EQ(calls[kVerticalDots + line * 153 + dot], Dot(42.0f * dot, 320.0f * line, kGrid));
    }
  }
}

TEST(DrawPlotBackground, EveryVerticalLineReaches6400AndEveryHorizontalOneStopsAt6384) {
  const std::vector<Call> calls = BackgroundCalls();
  for (std::size_t line = 0; line < 21; ++line) {
    EXPECT_EQ(calls[line * 161 + 160].y1, 6400.0f) << line;
    const Call& lastHorizontal = calls[kVerticalDots + line * 153 + 152];
    EXPECT_EQ(lastHorizontal.x1, 6384.0f) << line;
    EXPECT_EQ(lastHorizontal.y1, 320.0f * line);
  }
}

TEST(DrawPlotBackground, ThenTheTwoAxesInBlackThenTheEdgeDotsTwiceEach) {
  const std::vector<Call> calls = BackgroundCalls();
  ASSERT_EQ(calls.size(), 6600u);
  const std::vector<Call> tail(calls.begin() + 6594, calls.end());
  const std::vector<Call> expected = {
      Segment(3200, 0, 3200, 6400, colours::kBlack),
      Segment(0, 3200, 6400, 3200, colours::kBlack),
      Dot(0, 4000, 255),
      Dot(0, 4000, 255),
      Dot(0, 2000, 0),
      Dot(0, 2000, 0),
  };
  EXPECT_EQ(tail, expected);
}

// On the raster the dots go straight to the pixels, bypassing the virtual
// calls; the picture must be the one the recorded calls draw one by one.
TEST(DrawPlotBackground, OnTheRasterDrawsExactlyTheRecordedCalls) {
  for (const double twipsPerPixel : {15.0, 7.5}) {
    RasterSurface direct(1000, 1000, twipsPerPixel, kPaper);
    DrawPlotBackground(direct);

    RasterSurface replayed(1000, 1000, twipsPerPixel, kPaper);
    Surface& surface = replayed;
    for (const Call& c : BackgroundCalls()) {
      if (c.op == Op::PSet) surface.PSet(*c.x1, *c.y1, c.colour);
      if (c.op == Op::Line) surface.Line(*c.x1, *c.y1, *c.x2, *c.y2, c.colour);
    }
    EXPECT_TRUE(test::SameRaster(direct, replayed)) << twipsPerPixel;
  }
}

TEST(DrawPlotBackground, At96DpiShowsTheGridAxesAndEdgeDots) {
  RasterSurface raster(600, 500, 15.0, kPaper);
  DrawPlotBackground(raster);

  EXPECT_EQ(raster.PixelAt(0, 266), colours::kRed);    // (0, 4000)
  EXPECT_EQ(raster.PixelAt(0, 133), colours::kBlack);  // (0, 2000): grid colour 7 replaced by 0
  for (int i = 0; i <= 426; ++i) {
    EXPECT_EQ(raster.PixelAt(213, i), colours::kBlack) << i;  // vertical axis
    EXPECT_EQ(raster.PixelAt(i, 213), colours::kBlack) << i;  // horizontal axis
  }
  EXPECT_EQ(raster.PixelAt(21, 2), kGrid);      // (320, 40)
  EXPECT_EQ(raster.PixelAt(2, 21), kGrid);      // (42, 320)
  EXPECT_EQ(raster.PixelAt(426, 426), kGrid);   // (6400, 6400), the last vertical dot
  EXPECT_EQ(raster.PixelAt(425, 0), kGrid);     // (6384, 0), the last horizontal dot of the top line
  EXPECT_EQ(raster.PixelAt(1, 0), kPaper);      // between dots
  EXPECT_EQ(raster.PixelAt(427, 213), kPaper);  // nothing past the plot area
  EXPECT_EQ(raster.PixelAt(213, 427), kPaper);
  EXPECT_EQ(test::CountPixels(raster, colours::kRed), 1u);
}

TEST(DrawPlotBackground, AtDevicePixelRatioTwoDrawsAtDeviceResolution) {
  RasterSurface raster(900, 900, 7.5, kPaper);
  DrawPlotBackground(raster);
  EXPECT_EQ(raster.PixelAt(0, 533), colours::kRed);                           // (0, 4000)
  EXPECT_EQ(raster.PixelAt(0, 266), colours::kBlack);                         // (0, 2000)
  EXPECT_EQ(raster.PixelAt(426, 853), colours::kBlack);                       // the foot of the vertical axis
  EXPECT_EQ(raster.PixelAt(853, 426), colours::kBlack);                       // the right end of the horizontal axis
  EXPECT_EQ(raster.PixelAt(42, 5), kGrid);                                    // (320, 40)
  EXPECT_EQ(raster.PixelAt(5, 42), kGrid);                                    // (42, 320)
  EXPECT_EQ(raster.PixelAt(851, 0), kGrid);                                   // (6384, 0)
  for (int y = 1; y < 5; ++y) EXPECT_EQ(raster.PixelAt(42, y), kPaper) << y;  // the gap between two dots
  EXPECT_EQ(raster.PixelAt(852, 0), kPaper);
}

}  // namespace
}  // namespace pr
