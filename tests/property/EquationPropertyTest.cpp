// The equation text of a line command names the slope and intercept of its
// pair. Lines with slope and intercept in quarters pass through points with
// exact binary coordinates, so the expected text is known exactly.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/LabelRules.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

// The boxes of the pair each line command traces: (x of A, x of B).
constexpr std::array<std::array<std::size_t, 2>, 3> kPairBoxes = {{{0, 2}, {0, 4}, {2, 4}}};

std::string Quarters(int quarters) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", quarters / 4.0);
  return buffer;
}

// "+ 1.25", "- 0.50", "0": quarters have exactly two decimals.
std::string CoefficientOf(int quarters, const std::string& mark) {
  if (quarters == 0) return "0";
  std::string digits = Quarters(std::abs(quarters));
  digits.replace(digits.find('.'), 1, mark);
  return (quarters > 0 ? "+ " : "- ") + digits;
}

struct Line {
  int slope;      // in quarters
  int intercept;  // in quarters
};

TEST(EquationProperty, EquationTextMatchesTheSlopeAndInterceptOfThePair) {
  // Each property draws from its own stream of the one seed.
  InputGenerator generate(PropertySeed() + 4);
  RasterSurface raster = CoarseClientAreaRaster();
  FakeForm form(raster, ",");
  const std::string mark = ",";

  const int inputs = PropertyInputs(10000);
  for (int i = 0; i < inputs; ++i) {
    const int command = 1 + i % 3;
    const Line line{generate.OneIn(8) ? 0 : generate.Between(-400, 400),
                    generate.OneIn(8) ? 0 : generate.Between(-400, 400)};
    const int xa = generate.Between(-50, 50);
    const int xb = xa + (generate.OneIn(2) ? 1 : -1) * generate.Between(1, 50);
    BoxTexts boxes{"3", "-4", "2", "7", "-5", "1", generate.OneIn(4) ? "250" : Quarters(generate.Between(1, 80))};
    const auto [a, b] = kPairBoxes[static_cast<std::size_t>(command - 1)];
    boxes[a] = std::to_string(xa);
    boxes[a + 1] = Quarters(line.slope * xa + line.intercept);
    boxes[b] = std::to_string(xb);
    boxes[b + 1] = Quarters(line.slope * xb + line.intercept);

    const CommandRun run = RunOn(form, command, boxes);
    ASSERT_FALSE(run.error) << Reproduction(i, command, boxes);
    const CommandLabels& labels = kCommandLabels[static_cast<std::size_t>(command)];
    const std::string interceptText = command == 2 && line.intercept == 0 ? "0" : CoefficientOf(line.intercept, mark);
    const std::string expected =
        std::string(labels.heading) + "Y = " + CoefficientOf(line.slope, mark) + " X " + interceptText;
    ASSERT_EQ(run.after.at(*labels.written[0]), expected) << Reproduction(i, command, boxes);
  }
}

}  // namespace
}  // namespace pr::test
