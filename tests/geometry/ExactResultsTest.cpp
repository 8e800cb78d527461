// What the commands show, computed exactly from the numbers as typed and
// rounded once: the cases where computing in double showed wrong numbers,
// and the three-points-on-a-line cases the old flatness test handled.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "core/numbers/RuntimeError.h"
#include "geometry/Commands.h"

namespace pr {
namespace {

using test::CommandHarness;
using Click = std::unique_ptr<CommandResult> (*)(Form&);

struct Shown {
  const char* name;
  Click command;
  std::array<const char*, 7> boxes;  // x1 y1 x2 y2 x3 y3 full scale
  ResultLabel label;
  std::string text;
};

TEST(ExactResults, ShowTheExactValueRoundedOnce) {
  const std::vector<Shown> cases = {
      // Heron's formula in double lost every digit of these thin triangles.
      {"thin, far along x",
       Command1_Click,
       {"0", "0", "1000000", "0", "2000000", "0.001", "10"},
       ResultLabel::Area,
       " 500.00"},
      {"thin, steep",
       Command1_Click,
       {"9808", "3406", "9817", "-5118", "9810", "1511", "10"},
       ResultLabel::Area,
       " 3.50"},
      // The flatness test called these flat: 13 to 16 digits, typed exactly.
      {"near 2^52",
       Command1_Click,
       {"4503599627370496", "0", "4503599627370497", "0", "4503599627370496", "10", "10"},
       ResultLabel::Area,
       " 5.00"},
      {"near 10^15",
       Command1_Click,
       {"1000000000000000", "0", "1000000000000010", "0", "1000000000000000", "1", "10"},
       ResultLabel::Area,
       " 5.00"},
      {"half a hundredth, rounded up",
       Command1_Click,
       {"1000000000000", "0", "1000000000010", "0", "1000000000000", "0.001", "10"},
       ResultLabel::Area,
       " 0.01"},
      // 10^15 + 0.1 and 10^15 + 0.3 are the same distance apart as 0.1 and 0.3.
      {"far points",
       Command1_Click,
       {"1000000000000000.1", "0", "1000000000000000.3", "0", "0", "0", "10"},
       ResultLabel::DistanceP1P2,
       " 0.20"},
      // Three points on one line as typed: area 0, whatever rounding did.
      {"Heron's product below 0",
       Command1_Click,
       {"9", "-2", "-18", "10", "-36", "18", "10"},
       ResultLabel::Area,
       " 0.00"},
      {"collinear hundreds",
       Command1_Click,
       {"579", "225", "-31", "-385", "939", "585", "10"},
       ResultLabel::Area,
       " 0.00"},
      {"collinear thousands",
       Command1_Click,
       {"5520", "9731", "-155", "4056", "-4105", "106", "10"},
       ResultLabel::Area,
       " 0.00"},
      {"collinear tens of thousands",
       Command1_Click,
       {"-4448", "-27486", "-54003", "-77041", "43117", "20079", "10"},
       ResultLabel::Area,
       " 0.00"},
      {"collinear in tenths",
       Command1_Click,
       {"-33379.0", "-13493.7", "12096.2", "-24862.5", "-12169.4", "-18796.1", "10"},
       ResultLabel::Area,
       " 0.00"},
      {"collinear in tenths, far",
       Command1_Click,
       {"-54392.2", "-14167.8", "-51629.4", "-18312.0", "-31950.4", "-47830.5", "10"},
       ResultLabel::Area,
       " 0.00"},
      // A line through the origin: q is exactly 0 and writes "0".
      {"through the origin",
       Command2_Click,
       {"-11", "-15", "0", "0", "0", "0", "10"},
       ResultLabel::EquationP1P2,
       " Retta su P1-P2      Y = + 1.36 X 0"},
      {"through the origin, decimals",
       Command2_Click,
       {"5", "7", "6", "8.4", "0", "0", "10"},
       ResultLabel::EquationP1P2,
       " Retta su P1-P2      Y = + 1.40 X 0"},
      {"through the origin, P2-P3",
       Command4_Click,
       {"0", "0", "-11", "-15", "0", "0", "10"},
       ResultLabel::EquationP2P3,
       " Retta su P2-P3      Y = + 1.36 X 0"},
      // Half-cents round the school way: q = 3/8, m = 0.995.
      {"q of 3/8",
       Command2_Click,
       {"15", "16", "-9", "-9", "0", "0", "10"},
       ResultLabel::EquationP1P2,
       " Retta su P1-P2      Y = + 1.04 X + 0.38"},
      {"m of 0.995",
       Command2_Click,
       {"1", "0.995", "3", "2.985", "0", "0", "10"},
       ResultLabel::EquationP1P2,
       " Retta su P1-P2      Y = + 1.00 X 0"},
      // Far points with decimals: the sign of q flipped in double.
      {"far decimals",
       Command2_Click,
       {"10000000.1", "10000000.11", "10000000.2", "10000000.21", "0", "0", "10"},
       ResultLabel::EquationP1P2,
       " Retta su P1-P2      Y = + 1.00 X + 0.01"},
      // What used to overflow on the way, though the result fits.
      {"distance of points 2e200 apart",
       Command1_Click,
       {"1e200", "0", "-1e200", "0", "0", "0", "10"},
       ResultLabel::DistanceP1P2,
       " 2" + std::string(200, '0') + ".00"},
      {"area of sides 1e100",
       Command1_Click,
       {"0", "0", "1e100", "0", "0", "1e100", "10"},
       ResultLabel::Area,
       " 5" + std::string(199, '0') + ".00"},
  };
  for (const Shown& c : cases) {
    SCOPED_TRACE(c.name);
    CommandHarness h;
    h.form.TypeAll(c.boxes);
    EXPECT_NO_THROW(c.command(h.form));
    EXPECT_EQ(h.form.Caption(c.label), c.text);
  }
}

struct Failing {
  const char* name;
  Click command;
  std::array<const char*, 7> boxes;
  bool overflows;
};

// Overflow stays where a number the command shows or draws is beyond the
// largest double, and only there.
TEST(ExactResults, OverflowOnlyWhereAResultDoesNotFit) {
  const std::vector<Failing> cases = {
      {"squares of 1e200", Command1_Click, {"1e200", "0", "-1e200", "0", "0", "0", "10"}, false},
      {"distance of 2.1e308", Command1_Click, {"0", "0", "0", "0", "1.5e308", "1.5e308", "10"}, true},
      {"Heron's product of sides 1e100", Command1_Click, {"0", "0", "1e100", "0", "0", "1e100", "10"}, false},
      {"area of 5e399", Command1_Click, {"0", "0", "1e200", "0", "0", "1e200", "10"}, true},
      {"difference of y of 2e308, slope 2e307",
       Command3_Click,
       {"0", "-1e308", "0", "0", "10", "1e308", "1e-300"},
       false},
      {"slope of 1e310", Command2_Click, {"0", "0", "1e-310", "1", "0", "0", "10"}, true},
      {"intercept of -1e310", Command4_Click, {"0", "0", "1e10", "0", "10000000001", "1e300", "10"}, true},
      {"tiny slope, no perpendicular", Command3_Click, {"0", "0", "0", "0", "1", "1e-320", "10"}, false},
      {"-1/m of -1e320", Command2_Click, {"0", "0", "1", "1e-320", "0", "0", "10"}, true},
  };
  for (const Failing& c : cases) {
    SCOPED_TRACE(c.name);
    CommandHarness h;
    h.form.TypeAll(c.boxes);
    bool overflowed = false;
    try {
      c.command(h.form);
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Code(), ErrorCode::Overflow);
      overflowed = true;
    }
    EXPECT_EQ(overflowed, c.overflows);
  }
}

}  // namespace
}  // namespace pr
