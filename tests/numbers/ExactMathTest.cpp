// Rounding an exact value to a double, once: checked against the definition
// of "nearest", in exact arithmetic, on the doubles next to the answer.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "core/numbers/ExactMath.h"
#include "core/numbers/RuntimeError.h"

namespace pr::exact {
namespace {

Rational Exactly(double d) { return Rational(d); }
double ToDouble(const Rational& v) { return QuotientToDouble(numerator(v), denominator(v)); }
double Root(const Rational& v) { return SqrtQuotientToDouble(numerator(v), denominator(v)); }

// r is the nearest double to v (ties to even): no neighbour is nearer.
::testing::AssertionResult IsNearest(double r, const Rational& v) {
  const Rational gap = abs(Exactly(r) - v);
  for (double n : {std::nextafter(r, -INFINITY), std::nextafter(r, INFINITY)}) {
    if (!std::isfinite(n)) continue;
    const Rational other = abs(Exactly(n) - v);
    std::uint64_t bits = 0;  // no std::bit_cast in every standard library we build with
    std::memcpy(&bits, &r, sizeof bits);
    const bool rEven = (bits & 1) == 0;
    if (other < gap || (other == gap && !rEven)) return ::testing::AssertionFailure() << n << " is nearer than " << r;
  }
  return ::testing::AssertionSuccess();
}

// r is the nearest double to sqrt(v): v lies between the squares of the
// midpoints to r's neighbours.
::testing::AssertionResult IsNearestRoot(double r, const Rational& v) {
  const Rational below = (Exactly(std::nextafter(r, 0.0)) + Exactly(r)) / 2;
  const Rational above = (Exactly(std::nextafter(r, INFINITY)) + Exactly(r)) / 2;
  if (r > 0 && v < below * below) return ::testing::AssertionFailure() << r << " is above the root";
  if (v > above * above) return ::testing::AssertionFailure() << r << " is below the root";
  return ::testing::AssertionSuccess();
}

Rational Power(int base, int exponent) {
  Rational p = 1;
  for (int i = 0; i < std::abs(exponent); ++i) p *= base;
  return exponent < 0 ? 1 / p : p;
}

TEST(ExactMath, RoundsOnceToTheNearestDouble) {
  struct Case {
    Rational value;
    double expected;
  };
  const std::array<Case, 9> cases = {{
      {Rational(3, 8), 0.375},
      {Rational(-1, 3), -1.0 / 3},
      {Rational(1, 10), 0.1},
      // Halfway between 1 and the next double: to even (1); just above: up.
      {1 + Power(2, -53), 1.0},
      {1 + Power(2, -53) + Power(2, -200), 1.0 + std::numeric_limits<double>::epsilon()},
      {Power(2, -1075), 0.0},  // half the smallest subnormal: to even, 0
      {Power(2, -1075) + Power(2, -1200), std::numeric_limits<double>::denorm_min()},
      {Power(10, -400), 0.0},
      {Power(2, 1024) - Power(2, 970) - 1, std::numeric_limits<double>::max()},  // just below the halfway
  }};
  for (const Case& c : cases) {
    EXPECT_EQ(ToDouble(c.value), c.expected) << c.value;
  }
  // A negative value too small for a double is 0, not -0: "0" in a text.
  EXPECT_FALSE(std::signbit(ToDouble(-Power(10, -400))));
}

TEST(ExactMath, RaisesOverflowOnlyBeyondTheLargestDouble) {
  const std::array<Rational, 3> tooLarge = {Power(2, 1024) - Power(2, 970), Power(10, 309), -Power(10, 400)};
  for (const Rational& v : tooLarge) {
    EXPECT_THROW(ToDouble(v), RuntimeError) << v;
  }
  EXPECT_THROW(Root(Power(10, 617)), RuntimeError);
  EXPECT_EQ(Root(Power(10, 616)), 1e308);
  EXPECT_EQ(Root(Power(10, -600)), 1e-300);
  EXPECT_EQ(Root(Rational(25, 4)), 2.5);
  EXPECT_EQ(Root(0), 0.0);
  EXPECT_THROW(Root(-1), RuntimeError);
}

TEST(ExactMath, NearestOnRandomFractionsOfEveryMagnitude) {
  std::mt19937_64 random(16);
  for (int i = 0; i < 1500; ++i) {
    Integer numerator = random() >> (random() % 64);
    Integer denominator = 1 + (random() >> (random() % 64));
    // Long operands and magnitudes from subnormal to near the top.
    for (int limbs = static_cast<int>(random() % 4); limbs > 0; --limbs) numerator = (numerator << 64) + random();
    const int scale = static_cast<int>(random() % 2000) - 1000;
    const Rational v = Rational(numerator, denominator) * Power(2, scale);
    double r = 0;
    try {
      r = ToDouble(v);
    } catch (const RuntimeError&) {
      EXPECT_GE(v, Power(2, 1023) * (2 - Power(2, -53))) << v;
      continue;
    }
    ASSERT_TRUE(IsNearest(r, v)) << v;
    ASSERT_TRUE(IsNearest(-ToDouble(-v), v)) << v;
    if (scale > 1020 || scale < -1000) continue;
    const double root = Root(v);
    ASSERT_TRUE(IsNearestRoot(root, v)) << v;
  }
}

}  // namespace
}  // namespace pr::exact

namespace pr::exact {
namespace {

// Written as Boost writes them (with streams, which the program avoids),
// at every chunk boundary (10^36 + 5 has a chunk of zeros inside) and
// across many lengths.
TEST(ExactMath, DigitsAreTheIntegersDecimalDigits) {
  std::vector<Integer> values = {0,
                                 7,
                                 -7,
                                 PowerOfTen(18) - 1,
                                 PowerOfTen(18),
                                 -PowerOfTen(18),
                                 PowerOfTen(36) + 5,
                                 PowerOfTen(54) - PowerOfTen(17)};
  std::mt19937_64 random(5);
  Integer grown = 1;
  for (int i = 0; i < 60; ++i) {
    grown = grown * random() + random();
    values.push_back(i % 2 == 0 ? grown : Integer(-grown));
  }
  for (const Integer& v : values) EXPECT_EQ(Digits(v), v.str());
}

}  // namespace
}  // namespace pr::exact
