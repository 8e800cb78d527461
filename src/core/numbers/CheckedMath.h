#pragma once

#include <cmath>

#include "core/numbers/RuntimeError.h"

// Double arithmetic that fails the way the old runtime did instead of
// producing infinities or NaNs: an overflowing result raises Overflow.
// Operands are always finite: Val never yields anything else.
namespace pr::checked {

inline double Finite(double r) {
  if (!std::isfinite(r)) throw RuntimeError(ErrorCode::Overflow);
  return r;
}

inline double Add(double a, double b) { return Finite(a + b); }
inline double Mul(double a, double b) { return Finite(a * b); }
// No caller divides by 0: the full scale is never 0 past the full-scale
// guard. Were it 0, the infinity or NaN would raise Overflow.
inline double Div(double a, double b) { return Finite(a / b); }

}  // namespace pr::checked
