// An exact decimal written as a student types it, read back as the same value.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/numbers/TypedText.h"

namespace pr {
namespace {

TEST(TypedText, ShortestWithAPeriodAndReadBackExactly) {
  struct Case {
    std::int64_t significand;
    std::int64_t exponent;
    const char* text;
  };
  const Case cases[] = {
      {3, 0, "3"},
      {-25, -1, "-2.5"},
      {25, -2, "0.25"},
      {2500, -3, "2.5"},
      {0, 7, "0"},
      {12, 2, "1200"},
      {1, -6, "0.000001"},
      {123, -8, "0.00000123"},
      {1, -7, "1e-7"},
      {-25, 20, "-2.5e21"},
      {1, 20, "100000000000000000000"},
      {29, -1, "2.9"},
      {-1005, -3, "-1.005"},
  };
  for (const Case& c : cases) {
    const ExactDecimal value{c.significand, c.exponent};
    EXPECT_EQ(TypedText(value), c.text);
    EXPECT_EQ(ValExactly(c.text).exact.ToRational(), value.ToRational()) << c.text;
  }
}

}  // namespace
}  // namespace pr
