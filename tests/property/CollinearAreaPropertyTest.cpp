// Three points on one line have area " 0.00", also where Heron's formula in
// double left its product a hair below zero or showed hundredths, with
// coordinates in the thousands and beyond. (The single cases stand in
// tests/geometry/ExactResultsTest.cpp.)
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/PropertyRun.h"

namespace pr::test {
namespace {

// Tenths as a person types them: "-3.7". Points on a line in tenths are
// only nearly on one in binary: their true area is far below a hundredth.
std::string Tenths(int tenths) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", tenths / 10.0);
  return buffer;
}

// How far the points may lie from the origin. Heron's formula from rounded
// sides alone showed hundredths for a flat triangle from a few hundred on,
// whole units from 10^4.
constexpr std::array<int, 5> kReaches = {100, 1000, 10000, 100000, 1000000};

// P_i = P0 + k_i·(u, v) with integers: exactly collinear, within ±reach.
BoxTexts CollinearTriple(InputGenerator& generate, int reach, bool inTenths) {
  const int x0 = generate.Between(-reach / 2, reach / 2);
  const int y0 = generate.Between(-reach / 2, reach / 2);
  const int u = generate.Between(-5, 5);
  const int v = generate.Between(-5, 5);
  BoxTexts boxes;
  for (std::size_t point = 0; point < 3; ++point) {
    const int k = generate.Between(-reach / 10, reach / 10);
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
  FakeForm form(raster, ",");

  const int inputs = PropertyInputs(20000);
  for (int i = 0; i < inputs; ++i) {
    const BoxTexts boxes =
        CollinearTriple(generate, kReaches[static_cast<std::size_t>(i) % kReaches.size()], i / 5 % 2 == 1);
    const CommandRun run = RunOn(form, 0, boxes);
    ASSERT_FALSE(run.error) << Reproduction(i, 0, boxes);
    ASSERT_EQ(run.after.at(ResultLabel::Area), " 0,00") << Reproduction(i, 0, boxes);
  }
}

}  // namespace
}  // namespace pr::test
