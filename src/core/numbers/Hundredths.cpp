#include "core/numbers/Hundredths.h"

#include <array>

namespace pr::exact {
namespace {

// value · 10^exponent, rounded down for value >= 0, and whether nothing was
// dropped.
struct Scaled {
  Integer whole;
  bool exact;
};
Scaled ScaledBy(const Integer& value, const Integer& power, bool up) {
  if (up) return {value * power, true};
  Integer whole;
  Integer rest;
  divide_qr(value, power, whole, rest);
  return {std::move(whole), rest == 0};
}
Scaled ScaledBy(const Integer& value, std::int64_t exponent) {
  return ScaledBy(value, PowerOfTen(exponent >= 0 ? exponent : -exponent), exponent >= 0);
}

// Whether n >= 0 is a square: most numbers are told apart by their
// remainders alone, the rest by the root itself.
bool IsSquare(const Integer& n) {
  constexpr std::array<unsigned, 3> kModuli = {64, 63, 65};
  for (const unsigned m : kModuli) {
    const auto r = static_cast<unsigned>(n % m);
    bool residue = false;
    for (unsigned k = 0; k < m && !residue; ++k) residue = k * k % m == r;
    if (!residue) return false;
  }
  const Integer root = SquareRoot(n);
  return root * root == n;
}

}  // namespace

Hundredths RoundedQuotient(const Integer& numerator, const Integer& denominator, std::int64_t exponent) {
  if (numerator == 0) return {};
  Integer scaled = abs(numerator);
  Integer divisor = denominator;
  if (exponent + 2 >= 0) {
    scaled *= PowerOfTen(exponent + 2);
  } else {
    divisor *= PowerOfTen(-(exponent + 2));
  }
  Integer whole;
  Integer rest;
  divide_qr(scaled, divisor, whole, rest);
  if (2 * rest >= divisor) ++whole;
  return {numerator < 0 ? -1 : 1, std::move(whole), rest == 0};
}

Hundredths RoundedRoot(const Integer& square, std::int64_t exponent) {
  if (square == 0) return {};
  // 100·√(square·10^exponent) = √t with t = square·10^(exponent + 4). The
  // integer nearest √t, half up, is floor((r + 1)/2) for r = floor(√(4t)),
  // the root of floor(4t); √t is a whole number exactly when 4t is a
  // whole even square.
  const Scaled four = ScaledBy(4 * square, exponent + 4);
  const Integer root = SquareRoot(four.whole);
  const bool exact = four.exact && root * root == four.whole && !bit_test(root, 0);
  return {1, (root + 1) / 2, exact};
}

Hundredths RoundedHalfSumOfRoots(const Integer& a, const Integer& b, const Integer& c, std::int64_t exponent) {
  const std::array<const Integer*, 3> squares = {&a, &b, &c};
  // 100·s = 50·Σ√(square·10^exponent). With each root taken to `digits`
  // decimals (rounded down), 100·s lies in [50·low, 50·(low + 3)) units of
  // 10^-digits: more digits until both ends round alike. Only a sum that
  // might be a whole number of hundredths, or that will not be decided,
  // is looked at exactly: it is rational only when each root is.
  for (std::int64_t digits = 12;; digits *= 2) {
    const std::int64_t scale = exponent + 2 * digits;
    const Integer power = PowerOfTen(scale >= 0 ? scale : -scale);
    Integer low = 0;
    for (const Integer* square : squares) low += SquareRoot(ScaledBy(*square, power, scale >= 0).whole);
    const Integer unit = PowerOfTen(digits);
    // floor(x + 1/2) for x = 50·low/unit: floor((100·low + unit) / (2·unit)).
    Integer nearest = (100 * low + unit) / (2 * unit);
    const bool decided = nearest == (100 * (low + 3) + unit) / (2 * unit);
    const bool maybeWhole = 50 * low <= nearest * unit && nearest * unit < 50 * (low + 3);
    if (decided && !maybeWhole) return {1, std::move(nearest), false};
    if (decided || digits >= 48) {
      if (IsSquare(a) && IsSquare(b) && IsSquare(c)) {
        return RoundedQuotient(SquareRoot(a) + SquareRoot(b) + SquareRoot(c), 2, exponent / 2);
      }
      if (decided) return {1, std::move(nearest), false};
    }
  }
}

}  // namespace pr::exact
