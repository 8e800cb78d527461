#include <gtest/gtest.h>

#include "plot/FigurePixels.h"

namespace pr::figure {
namespace {

struct Case {
  int width;
  int height;
  double twipsPerPixel;
  int dotSize;
  PixelRect expected;
};

// The last grid line stands at twip 6400: in cell 426 at 15 twips per pixel
// (6400 / 15 = 426.7), in cell 853 at 7.5. A window narrower than the square
// gives what it has. Dots two pixels wide reach one pixel further.
constexpr Case kCases[] = {
    {974, 576, 15.0, 1, {0, 0, 427, 427}},  {1948, 1152, 7.5, 1, {0, 0, 854, 854}},
    {1948, 1152, 7.5, 2, {0, 0, 855, 855}}, {2922, 1728, 5.0, 3, {0, 0, 1282, 1282}},
    {300, 200, 15.0, 1, {0, 0, 300, 200}},
};

TEST(FigurePixelsTest, TheSquareReachesTheCellOfTwip6400) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.twipsPerPixel);
    const RasterSurface raster(c.width, c.height, c.twipsPerPixel, 0xC0C0C0, c.dotSize);
    EXPECT_EQ(FigurePixels(raster), c.expected);
  }
}

}  // namespace
}  // namespace pr::figure
