#pragma once

#include <cstdint>
#include <string>

#include "core/numbers/Rational.h"

// Exact results brought to the doubles the program shows and draws, each
// rounded once. Nothing here rounds on the way: a result is exact until the
// last step.
namespace pr::exact {

using Integer = boost::multiprecision::cpp_int;

// 10^exponent, exponent >= 0.
Integer PowerOfTen(std::int64_t exponent);

// floor(√n), n >= 0, in time that grows with the square of n's length
// (Boost's own takes a step per bit and a second for 2,000 digits).
Integer SquareRoot(const Integer& n);

// The integer in decimal digits, "-" before a negative one: "-1234". Made
// without streams, which would weigh down the page's WebAssembly module.
std::string Digits(const Integer& value);

// The double nearest numerator / denominator (denominator > 0), ties to even.
// Raises Overflow (a RuntimeError) when that is beyond the largest double; a
// value below half the smallest subnormal gives 0 (never -0). The two are
// given apart: the commands work on integers and never pay for reducing a
// fraction, which costs far more than the rest with a thousand digits.
double QuotientToDouble(const Integer& numerator, const Integer& denominator);
// The double nearest the square root of numerator / denominator >= 0
// (correctly rounded). Raises Overflow as QuotientToDouble does, InvalidCall for a
// negative value.
double SqrtQuotientToDouble(const Integer& numerator, const Integer& denominator);

}  // namespace pr::exact
