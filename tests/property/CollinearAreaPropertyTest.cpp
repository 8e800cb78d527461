// Three points on one line have area " 0.00", also when rounding leaves
// Heron's product a hair below zero (P1 (9; -2), P2 (-18; 10), P3 (-36; 18))
// and when the coordinates run into the thousands and beyond; a real
// triangle far from the origin keeps its area.
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
// sides alone shows hundredths for a flat triangle from a few hundred on,
// whole units from 10^4: the command must see the flatness itself.
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
    const BoxTexts boxes = CollinearTriple(generate, kReaches[static_cast<std::size_t>(i) % kReaches.size()], i / 5 % 2 == 1);
    const CommandRun run = RunOn(form, 0, boxes);
    ASSERT_FALSE(run.error) << Reproduction(i, 0, boxes);
    ASSERT_EQ(run.after.at("Label17"), " 0,00") << Reproduction(i, 0, boxes);
  }
}

// Both sides of the flatness test. The flat rows are on one line as typed
// (the tenths not quite in binary); the comment says what Heron's formula
// alone showed. The far triangles have exact coordinates: their rounding
// cannot hide a cross product of 10 or of 0.01.
TEST(CollinearAreaProperty, AreaIsZeroExactlyWhenTheCoordinatesCannotTellTheTriangleFromALine) {
  struct Case {
    BoxTexts boxes;
    const char* area;
  };
  const std::array<Case, 8> cases = {{
      {{"9", "-2", "-18", "10", "-36", "18", "10"}, " 0.00"},                                     // error 5
      {{"579", "225", "-31", "-385", "939", "585", "10"}, " 0.00"},                               // " 0.01"
      {{"5520", "9731", "-155", "4056", "-4105", "106", "10"}, " 0.00"},                          // " 1.05"
      {{"-4448", "-27486", "-54003", "-77041", "43117", "20079", "10"}, " 0.00"},                 // " 137.27"
      {{"-33379.0", "-13493.7", "12096.2", "-24862.5", "-12169.4", "-18796.1", "10"}, " 0.00"},   // " 13.66"
      {{"-54392.2", "-14167.8", "-51629.4", "-18312.0", "-31950.4", "-47830.5", "10"}, " 0.00"},  // " 7.21"
      {{"1000000000000000", "0", "1000000000000010", "0", "1000000000000000", "1", "10"}, " 5.00"},
      {{"1000000000000", "0", "1000000000010", "0", "1000000000000", "0.001", "10"}, " 0.01"},
  }};
  RasterSurface raster(16, 16, kTwipsPerPixel, kWindowGrey);
  FakeForm form(raster);
  for (const Case& c : cases) {
    const CommandRun run = RunOn(form, 0, c.boxes);
    EXPECT_FALSE(run.error) << Quoted(c.boxes);
    EXPECT_EQ(run.after.at("Label17"), c.area) << Quoted(c.boxes);
  }
}

}  // namespace
}  // namespace pr::test
