#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/RecordingSurface.h"

namespace pr {
namespace {

using Op = test::RecordingSurface::Op;

TEST(RecordingSurface, KeepsEveryCallInOrderWithItsArguments) {
  test::RecordingSurface surface;
  surface.Cls();
  surface.PSet(10, 20, colours::kRed);
  surface.Line(1, 2, 3, 4, colours::kBlack);
  surface.Circle(5, 6, 30, colours::kBlue);

  using Call = test::RecordingSurface::Call;
  const std::vector<Call> expected = {
      {.op = Op::Cls},
      {.op = Op::PSet, .x1 = 10.0f, .y1 = 20.0f, .colour = colours::kRed},
      {.op = Op::Line, .x1 = 1.0f, .y1 = 2.0f, .x2 = 3.0f, .y2 = 4.0f, .colour = colours::kBlack},
      {.op = Op::Circle, .x1 = 5.0f, .y1 = 6.0f, .radius = 30.0, .colour = colours::kBlue},
  };
  EXPECT_EQ(surface.Calls(), expected);
}

TEST(RecordingSurface, RecordsCoordinatesAsTheSinglesTheDrawingUses) {
  test::RecordingSurface surface;
  surface.PSet(0.1, 1.0 / 3.0, 0);
  EXPECT_EQ(surface.Calls()[0].x1, 0.1f);
  EXPECT_EQ(surface.Calls()[0].y1, 1.0f / 3.0f);
}

TEST(RecordingSurface, RecordsOffRangeCoordinatesAsMissing) {
  const double inf = std::numeric_limits<double>::infinity();
  test::RecordingSurface surface;
  surface.PSet(1e39, 5, 0);
  surface.Line(std::nan(""), 1, 2, -inf, 0);
  surface.Circle(3, -1e300, 30, 0);

  const auto& calls = surface.Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_FALSE(calls[0].x1.has_value());
  EXPECT_EQ(calls[0].y1, 5.0f);
  EXPECT_FALSE(calls[1].x1.has_value());
  EXPECT_EQ(calls[1].y1, 1.0f);
  EXPECT_EQ(calls[1].x2, 2.0f);
  EXPECT_FALSE(calls[1].y2.has_value());
  EXPECT_EQ(calls[2].x1, 3.0f);
  EXPECT_FALSE(calls[2].y1.has_value());
}

TEST(RecordingSurface, CountsCallsByOperation) {
  test::RecordingSurface surface;
  for (int i = 0; i < 3; ++i) surface.PSet(i, i, 0);
  surface.Line(0, 0, 1, 1, 0);
  EXPECT_EQ(surface.Count(Op::PSet), 3u);
  EXPECT_EQ(surface.Count(Op::Line), 1u);
  EXPECT_EQ(surface.Count(Op::Circle), 0u);
}

}  // namespace
}  // namespace pr
