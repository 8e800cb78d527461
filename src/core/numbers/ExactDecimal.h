#pragma once

#include <cstdint>
#include <string_view>

#include "core/numbers/ExactMath.h"
#include "core/numbers/NumberReading.h"
#include "core/numbers/Rational.h"

namespace pr {

// A decimal number exactly as typed: significand × 10^exponent. Kept in
// this form rather than as a fraction, which must be reduced after every
// step: with a thousand digits that alone costs milliseconds.
struct ExactDecimal {
  exact::Integer significand;
  std::int64_t exponent = 0;

  Rational ToRational() const;
  friend bool operator==(const ExactDecimal&, const ExactDecimal&) = default;
};

// a + b, exactly, on the finer of the two exponents.
ExactDecimal Sum(const ExactDecimal& a, const ExactDecimal& b);

// What a box's text says, read by Val's rules both ways: the double Val
// gives, and the exact value of the same digits (no trailing zeros in the
// significand), with the digits as typed to write it back so. Raises
// Overflow where Val does. Where Val's double is 0 (no number, or one below
// half the smallest subnormal) the exact value is 0 too, and so is what was
// typed, so the program never computes or writes a number it draws as 0.
struct ExactReading {
  double value = 0.0;
  ExactDecimal exact;
  NumberReading typed;
};

ExactReading ValExactly(std::string_view text);

}  // namespace pr
