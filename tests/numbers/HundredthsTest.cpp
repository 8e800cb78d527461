// Exact values rounded once to two decimals, half away from zero, and the
// integer square root they rest on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/numbers/Format.h"
#include "core/numbers/Hundredths.h"

namespace pr::exact {
namespace {

std::string Text(const Hundredths& h) { return Format(h, kDistancePattern) + (h.exact ? " exact" : ""); }

TEST(Hundredths, QuotientsRoundOnceHalfAwayFromZero) {
  struct Case {
    Integer numerator;
    Integer denominator;
    std::int64_t exponent;
    std::string text;
  };
  const std::vector<Case> cases = {
      {3, 8, 0, " 0.38"},
      {-3, 8, 0, "- 0.38"},
      {1, 200, 0, " 0.01"},
      {-1, 300, 0, " 0.00"},  // no sign once rounded to 0, as a measure shows it
      {0, 7, 0, " 0.00 exact"},
      {5, 1, -1, " 0.50 exact"},
      {2675, 1, -3, " 2.68"},
      // Just below a half-cent: a double would make it one.
      {Integer("4999999999999999999999"), 1, -24, " 0.00"},
      {Integer("123456789012345678901237"), 1, -3, " 123456789012345678901.24"},
      {1, 3, 200, " 3" + std::string(199, '3') + ".33"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(RoundedQuotient(c.numerator, c.denominator, c.exponent)), c.text);
}

TEST(Hundredths, RootsRoundOnce) {
  struct Case {
    Integer square;
    std::int64_t exponent;
    std::string text;
  };
  const std::vector<Case> cases = {
      {5, 0, " 2.24"},
      {100, 0, " 10.00 exact"},
      {25, -6, " 0.01"},                                                // 0.005 exactly, a half-cent
      {6275025, -6, " 2.51"},                                           // 2.505 exactly
      {Integer("101442249999999999363000000000000001"), -34, " 3.18"},  // 3.18499999999999999²
      {2, 200,
       " 14142135623730950488016887242096980785696718753769480731766797379907324784621070388503875343276415727.35"},
      {0, -4, " 0.00 exact"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(RoundedRoot(c.square, c.exponent)), c.text) << c.square;
}

TEST(Hundredths, HalfSumsOfRootsRoundOnce) {
  EXPECT_EQ(Text(RoundedHalfSumOfRoots(9, 16, 25, 0)), " 6.00 exact");
  EXPECT_EQ(Text(RoundedHalfSumOfRoots(5, 100, 149, 0)), " 12.22");
  EXPECT_EQ(Text(RoundedHalfSumOfRoots(2, 8, 2, 0)), " 2.83");
  // (√(1/4) + √(1/100) + 0)/2 = 0.3 in tenths, hundredths: the scale of the points.
  EXPECT_EQ(Text(RoundedHalfSumOfRoots(25, 1, 0, -2)), " 0.30 exact");
  // √(10^24 − 1)·10^-14/2 is 2.5·10^-27 below a half-cent: decided only
  // with some thirty digits of the root.
  EXPECT_EQ(Text(RoundedHalfSumOfRoots(Integer("999999999999999999999999"), 0, 0, -28)), " 0.00");
}

TEST(Hundredths, SquareRootsOfLongIntegers) {
  for (const std::string& digits : {std::string(40, '7'), std::string(300, '3'), "1" + std::string(2000, '0')}) {
    const Integer n(digits);
    const Integer r = SquareRoot(n);
    EXPECT_TRUE(r * r <= n && (r + 1) * (r + 1) > n) << digits.size() << " digits";
    EXPECT_EQ(SquareRoot(n * n), n);
  }
}

}  // namespace
}  // namespace pr::exact
