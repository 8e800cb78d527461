#pragma once

#include <cmath>

#include "core/numbers/RuntimeError.h"

// Double arithmetic that fails the way the old runtime did instead of
// producing infinities or NaNs: an overflowing result raises Overflow,
// a division by zero raises DivisionByZero (0 / 0 raises Overflow, as there).
// Operands are always finite: Val never yields anything else.
namespace pr::checked {

inline double Finite(double r) {
  if (!std::isfinite(r)) throw RuntimeError(ErrorCode::Overflow);
  return r;
}

inline double Add(double a, double b) { return Finite(a + b); }
inline double Mul(double a, double b) { return Finite(a * b); }

inline double Div(double a, double b) {
  if (b == 0.0) {
    throw RuntimeError(a == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
  }
  return Finite(a / b);
}

}  // namespace pr::checked
