// Pointer positions to the texts of the moved point's boxes.
#include <gtest/gtest.h>

#include <string>

#include "core/numbers/ExactDecimal.h"
#include "geometry/drag/GridSnap.h"

namespace pr::drag {
namespace {

TEST(SnapToGrid, TextsOfTheNearestPlaceExactlyFromTheTypedFullScale) {
  struct Case {
    const char* fullScale;
    PlotPoint pointer;
    Snap snap;
    CoordinateTexts texts;
  };
  const Case cases[] = {
      {"10", {3200 + 3 * 320, 3200 - 2 * 320}, Snap::Grid, {"3", "2"}},
      {"10", {3200 + 2.6 * 320, 3200 + 1.4 * 320}, Snap::Grid, {"3", "-1"}},
      {"10", {3200 + 25 * 32, 3200 + 6.6 * 32}, Snap::Fine, {"2.5", "-0.7"}},
      {"10", {3200 + 0.4 * 32, 3200}, Snap::Fine, {"0", "0"}},
      {"10", {-500, 9000}, Snap::Grid, {"-10", "-10"}},  // clamped to the square
      {"10", {6900, -300}, Snap::Fine, {"10", "10"}},
      {"-10", {3200 + 3 * 320, 3200 - 2 * 320}, Snap::Grid, {"-3", "-2"}},  // mirrored under the pointer
      {"7", {3200 + 3 * 320, 3200 + 320}, Snap::Grid, {"2.1", "-0.7"}},
      {"7", {3200 + 33 * 32, 3200}, Snap::Fine, {"2.31", "0"}},
      {"0.3", {3200 + 7 * 320, 3200 - 10 * 320}, Snap::Grid, {"0.21", "0.3"}},
      {"0.3", {3200 + 25 * 32, 3200 - 99 * 32}, Snap::Fine, {"0.075", "0.297"}},
      {"2.50", {3200 + 3 * 320, 3200}, Snap::Grid, {"0.75", "0"}},
      {"1e300", {3200 + 3 * 320, 3200 - 320}, Snap::Grid, {"3e299", "1e299"}},
      {"1e-5", {3200 + 3 * 320, 3200 - 32}, Snap::Fine, {"0.000003", "1e-7"}},
  };
  for (const Case& c : cases) {
    const CoordinateTexts texts = TextsAt(SnapToGrid(c.pointer, c.snap), ValExactly(c.fullScale).exact);
    EXPECT_EQ(texts, c.texts) << c.fullScale << " at " << c.pointer.x << ", " << c.pointer.y;
  }
}

}  // namespace
}  // namespace pr::drag
