#pragma once

// Stand-in until the exact arithmetic of the commands lands: the two
// roundings the labels use, with the same names and meaning.
#include <cmath>
#include <cstdint>

#include "core/numbers/Rational.h"
#include "core/numbers/RuntimeError.h"

namespace pr::exact {
namespace detail {

using boost::multiprecision::cpp_int;

// A 62-bit integer q with a sticky lowest bit (set when anything was cut
// off) and a power of two: q·2^-shift rounds to the same double as the
// exact value, because q keeps more than 53 bits and the sticky bit.
inline double Scaled(const cpp_int& q, bool inexact, long shift) {
  std::uint64_t bits = q.convert_to<std::uint64_t>();
  if (inexact) bits |= 1u;
  const double value = std::ldexp(static_cast<double>(bits), static_cast<int>(-shift));
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow);
  return value;
}

inline long FloorHalf(long v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

}  // namespace detail

// The double nearest to v. Overflow when it lies beyond the largest double.
inline double ToDouble(const Rational& v) {
  using detail::cpp_int;
  if (v == 0) return 0.0;
  cpp_int n = abs(numerator(v));
  cpp_int d = denominator(v);
  const long shift = 62 - (static_cast<long>(msb(n)) - static_cast<long>(msb(d)));
  if (shift > 0) n <<= shift; else d <<= -shift;
  cpp_int q;
  cpp_int r;
  divide_qr(n, d, q, r);
  const double magnitude = detail::Scaled(q, r != 0, shift);
  return v < 0 ? -magnitude : magnitude;
}

// The double nearest to the square root of v (v >= 0).
inline double SqrtToDouble(const Rational& v) {
  using detail::cpp_int;
  if (v <= 0) return 0.0;
  cpp_int n = numerator(v);
  cpp_int d = denominator(v);
  // v·4^k has about 124 bits, so its integer root has about 62.
  const long k = detail::FloorHalf(123 - (static_cast<long>(msb(n)) - static_cast<long>(msb(d))));
  if (k > 0) n <<= 2 * k; else d <<= -2 * k;
  cpp_int t;
  cpp_int r;
  divide_qr(n, d, t, r);
  const cpp_int root = sqrt(t);
  return detail::Scaled(root, r != 0 || root * root != t, k);
}

}  // namespace pr::exact
