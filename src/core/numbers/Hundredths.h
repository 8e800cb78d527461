#pragma once

#include <cstdint>

#include "core/numbers/ExactMath.h"

namespace pr {

// A value rounded once to two decimals, half away from zero, straight from
// its exact value (never through a double): what a label and the working
// show of it.
struct Hundredths {
  int sign = 0;              // of the exact value: -1, +1, or 0 for exactly 0
  exact::Integer magnitude;  // |value|·100 rounded half away from zero
  bool exact = true;         // nothing was rounded: the value has at most two decimals
};

namespace exact {

// numerator / denominator · 10^exponent, denominator > 0.
Hundredths RoundedQuotient(const Integer& numerator, const Integer& denominator, std::int64_t exponent);

// √(square · 10^exponent), square >= 0, exponent even.
Hundredths RoundedRoot(const Integer& square, std::int64_t exponent);

// Half the sum of three such roots: (√a + √b + √c)·10^(exponent/2) / 2 for
// a, b, c >= 0 and an even exponent. Exact: a sum of roots is rational only
// when each root is, and otherwise never lies on a half-hundredth, so
// narrowing it down always ends.
Hundredths RoundedHalfSumOfRoots(const Integer& a, const Integer& b, const Integer& c, std::int64_t exponent);

}  // namespace exact
}  // namespace pr
