#include <gtest/gtest.h>

#include "core/numbers/DecimalText.h"

namespace pr {
namespace {

struct TextCase {
  double value;
  const char* expected;
};

TEST(ShortestText, TheShortestRoundTripFixedOrScientific) {
  const TextCase cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {2.5, "2.5"},
      {-3.0, "-3"},
      {0.1, "0.1"},
      // The shortest round trip in fixed or scientific notation, whichever is
      // shorter, fixed on a tie; a whole number in fixed notation exactly.
      {0.30000000000000004, "0.30000000000000004"},
      {0.001, "0.001"},
      {1e-4, "1e-04"},
      {123456.0, "123456"},
      {1e5, "1e+05"},
      {1.5e5, "150000"},
      {1e23, "1e+23"},
      {1152921504606846976.0, "1152921504606846976"},
      {-1.2345e-7, "-1.2345e-07"},
      {5e-324, "5e-324"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestText(c.value), c.expected);
}

}  // namespace
}  // namespace pr
