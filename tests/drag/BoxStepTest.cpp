// Up and Down in a coordinate box.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "geometry/drag/BoxStep.h"

namespace pr::drag {
namespace {

TEST(SteppedText, TheValueReadPlusOrMinusAStepWrittenAsTyped) {
  struct Case {
    const char* box;
    const char* fullScale;
    int direction;
    Snap snap;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"2", "10", +1, Snap::Grid, "3"},
      {"2", "10", -1, Snap::Grid, "1"},
      {"2.37", "10", +1, Snap::Grid, "3.37"},  // off the grid: the step is added, not snapped
      {"-0.05", "10", +1, Snap::Fine, "0.05"},
      {"0.2", "7", -1, Snap::Grid, "-0.5"},
      {"0.1", "0.3", +1, Snap::Grid, "0.13"},
      {"0.1", "0.3", -1, Snap::Fine, "0.097"},
      {"1", "-10", +1, Snap::Grid, "2"},  // up is up, whichever way the figure is mirrored
      {"abc", "10", +1, Snap::Grid, "1"},
      {"2,5", "10", +1, Snap::Grid, "3"},
      {"0", "1e-5", +1, Snap::Fine, "1e-7"},
      {"5", "0", +1, Snap::Grid, std::nullopt},
      {"1e999", "10", +1, Snap::Grid, std::nullopt},
      {"3", "1e999", -1, Snap::Grid, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SteppedText(c.box, c.fullScale, c.direction, c.snap), c.text) << c.box << " fs " << c.fullScale;
  }
}

}  // namespace
}  // namespace pr::drag
