// Three points on one line have area " 0.00", also when rounding leaves
// Heron's product a hair below zero (P1 (9; -2), P2 (-18; 10), P3 (-36; 18)).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "property/PropertyRun.h"

namespace pr::property {
namespace {

// Tenths as a person types them: "-3.7". Points on a line in tenths are
// only nearly on one in binary; their area is still far below a hundredth.
std::string Tenths(int tenths) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", tenths / 10.0);
  return buffer;
}

// P_i = P0 + k_i·(u, v) with small integers: exactly collinear, coordinates
// within ±100 (beyond a few hundred, Heron's formula itself shows
// hundredths for a flat triangle).
BoxTexts CollinearTriple(InputGenerator& generate, bool inTenths) {
  const int x0 = generate.Between(-50, 50);
  const int y0 = generate.Between(-50, 50);
  const int u = generate.Between(-5, 5);
  const int v = generate.Between(-5, 5);
  BoxTexts boxes;
  for (std::size_t point = 0; point < 3; ++point) {
    const int k = generate.Between(-10, 10);
    const int x = x0 + k * u;
    const int y = y0 + k * v;
    boxes[2 * point] = inTenths ? Tenths(x) : std::to_string(x);
    boxes[2 * point + 1] = inTenths ? Tenths(y) : std::to_string(y);
  }
  boxes[6] = "10";
  return boxes;
}

TEST(CollinearAreaProperty, CollinearTriplesHaveAreaZero) {
  // Each property draws from its own stream of the one seed.
  InputGenerator generate(PropertySeed() + 3);
  RasterSurface raster(16, 16, kTwipsPerPixel, kWindowGrey);
  testing::FakeForm form(raster, ",");

  const int inputs = PropertyInputs(20000);
  for (int i = 0; i < inputs; ++i) {
    const BoxTexts boxes = CollinearTriple(generate, i % 2 == 1);
    const CommandRun run = RunOn(form, 0, boxes);
    ASSERT_FALSE(run.error) << Reproduction(i, 0, boxes);
    ASSERT_EQ(run.after.at("Label17"), " 0,00") << Reproduction(i, 0, boxes);
  }
}

}  // namespace
}  // namespace pr::property
