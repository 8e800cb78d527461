// Every command on generated input of every kind keeps the label rules
// (CommandOracle.h), fails only with Overflow, and leaves only the
// program's colours on the raster.
#include <gtest/gtest.h>

#include <array>
#include <iostream>

#include "support/Palette.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

// The raster's colours are checked after every so many inputs: a scan of
// the whole raster costs more than most commands.
constexpr int kColourCheckEvery = 8;

TEST(LabelRulesProperty, EveryCommandOnAnyInputKeepsTheRules) {
  InputGenerator generate(PropertySeed());
  RasterSurface raster = CoarseClientAreaRaster();
  // Labels carry over from run to run, as in the window: a command meets
  // whatever the others left. One form writes periods, the other commas.
  std::array<FakeForm, 2> forms = {FakeForm(raster, "."), FakeForm(raster, ",")};

  const int inputs = PropertyInputs(100000);
  std::array<int, 4> overflows{};
  std::array<int, 4> completed{};
  for (int i = 0; i < inputs; ++i) {
    const BoxTexts boxes = generate.Boxes();
    const int command = i % 4;
    const CommandRun run = RunOn(forms[static_cast<std::size_t>(i / 4 % 2)], command, boxes);
    ASSERT_EQ(BrokenRule(run), "") << Reproduction(i, command, boxes);
    ++(run.error ? overflows : completed)[static_cast<std::size_t>(command)];
    if (i % kColourCheckEvery == 0) {
      ASSERT_TRUE(OnlyProgramColours(raster))
          << "a colour the program never draws after " << Reproduction(i, command, boxes);
    }
  }
  // Both outcomes must be common, or the rules above were hardly tried.
  for (std::size_t c = 0; c < 4; ++c) {
    EXPECT_GT(completed[c], inputs / 20) << "Command" << c + 1;
    EXPECT_GT(overflows[c], inputs / 200) << "Command" << c + 1;
    std::cout << "Command" << c + 1 << ": " << completed[c] << " ran to the end, " << overflows[c]
              << " ended by Overflow (seed " << PropertySeed() << ")\n";
  }
}

}  // namespace
}  // namespace pr::test
