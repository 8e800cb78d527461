// Which point a press grabs.
#include <gtest/gtest.h>

#include <optional>

#include "geometry/drag/PointTarget.h"

namespace pr::drag {
namespace {

CommandInput Input(Point p1, Point p2, Point p3, double fullScale) {
  CommandInput input;
  input.p1 = p1;
  input.p2 = p2;
  input.p3 = p3;
  input.fullScale = fullScale;
  return input;
}

TEST(TargetDiameterTwips, TwentyFourOrFortyFourScreenPixelsGrowingAbove100Percent) {
  struct Case {
    PointerKind kind;
    double dpi;
    double scale;
    double twips;
  };
  for (const Case& c : {Case{PointerKind::Mouse, 96, 1, 24 * 15}, Case{PointerKind::Pen, 96, 1, 24 * 15},
                        Case{PointerKind::Touch, 96, 1, 44 * 15}, Case{PointerKind::Touch, 96, 0.4, 44 * 15 / 0.4},
                        Case{PointerKind::Mouse, 96, 2, 24 * 15}, Case{PointerKind::Mouse, 192, 1, 24 * 7.5}}) {
    EXPECT_DOUBLE_EQ(TargetDiameterTwips(c.kind, c.dpi, c.scale), c.twips) << c.dpi << " " << c.scale;
  }
}

TEST(PointUnder, TheNearestWithinTheTargetTheTopOneOnATie) {
  const CommandInput figure = Input({0, 1}, {1, 3}, {-6, -7}, 10);  // P2 at (3520, 2240)
  struct Case {
    const char* what;
    CommandInput input;
    PlotPoint pointer;
    double diameter;
    std::optional<int> point;
  };
  const Case cases[] = {
      {"on P2", figure, {3520, 2240}, 360, 1},
      {"inside a mouse's target", figure, {3520 + 179, 2240}, 360, 1},
      {"outside it", figure, {3520 + 181, 2240}, 360, std::nullopt},
      {"inside a finger's", figure, {3520, 2240 - 329}, 660, 1},
      {"the nearest of two", Input({0, 0}, {0.5, 0}, {9, 9}, 10), {3300, 3200}, 360, 1},
      {"a tie: the one drawn later", Input({0, 0}, {9, 9}, {1, 0}, 10), {3360, 3200}, 360, 2},
      {"one place, three points", Input({1, 1}, {1, 1}, {1, 1}, 10), {3520, 2880}, 360, 2},
      {"outside the plot square", Input({0, 0}, {10.5, 0}, {9, 9}, 10), {6400, 3200}, 360, std::nullopt},
      {"mirrored", Input({0, 1}, {1, 3}, {-6, -7}, -10), {2880, 4160}, 360, 1},
      {"full scale 0", Input({0, 0}, {0, 0}, {0, 0}, 0), {3200, 3200}, 360, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(PointUnder(c.input, c.pointer, c.diameter), c.point) << c.what;
}

}  // namespace
}  // namespace pr::drag
