// Distances do not depend on the order of the points and are never negative.
#include <gtest/gtest.h>

#include <array>

#include "support/LabelRules.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

// Label17 and the drawing do not matter here: a small raster keeps it quick.
RasterSurface SmallRaster() { return RasterSurface(16, 16, kTwipsPerPixel, kWindowGrey); }

// P1 and P2 change places: P1-P2 stays, P1-P3 and P2-P3 trade labels.
BoxTexts SwapP1P2(const BoxTexts& b) { return {b[2], b[3], b[0], b[1], b[4], b[5], b[6]}; }

struct Swap {
  ResultLabel label;
  ResultLabel swappedLabel;
};
constexpr std::array<Swap, 3> kSwaps = {{{ResultLabel::DistanceP1P2, ResultLabel::DistanceP1P2},
                                         {ResultLabel::DistanceP1P3, ResultLabel::DistanceP2P3},
                                         {ResultLabel::DistanceP2P3, ResultLabel::DistanceP1P3}}};

TEST(DistanceProperty, DistancesAreSymmetricAndNonNegative) {
  // Each property draws from its own stream of the one seed.
  InputGenerator generate(PropertySeed() + 2);
  RasterSurface raster = SmallRaster();

  const int inputs = PropertyInputs(10000);
  int compared = 0;
  for (int i = 0; i < inputs; ++i) {
    BoxTexts boxes = generate.Boxes();
    boxes[6] = "10";  // past the guard, so the distances are computed
    FakeForm form(raster);
    FakeForm swappedForm(raster);
    const CommandRun run = RunOn(form, 0, boxes);
    const BoxTexts swappedBoxes = SwapP1P2(boxes);
    const CommandRun swapped = RunOn(swappedForm, 0, swappedBoxes);
    for (const Swap& s : kSwaps) {
      const std::string& shown = run.after.at(s.label);
      const std::string& swappedShown = swapped.after.at(s.swappedLabel);
      // A fresh form's label is empty until the command writes it; an
      // overflow can stop one order before a distance the other reached.
      if (shown.empty() || swappedShown.empty()) continue;
      ASSERT_TRUE(IsMeasureText(shown, ".")) << shown << " in " << NameOf(s.label) << ", " << Reproduction(i, 0, boxes);
      ASSERT_EQ(shown, swappedShown) << NameOf(s.label) << ", " << Reproduction(i, 0, boxes);
      ++compared;
    }
  }
  EXPECT_GT(compared, inputs) << "too few distances were written to compare";
}

}  // namespace
}  // namespace pr::test
