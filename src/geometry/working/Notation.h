#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/Hundredths.h"
#include "core/numbers/NumberReading.h"
#include "core/numbers/Rational.h"

// How the working writes its numbers, as a textbook does: the minus sign,
// the product dot, fractions in lowest terms, roots simplified, numbers as
// they were typed. Only notation: every value comes from the command's
// result.
namespace pr::working {

inline constexpr std::string_view kMinus = "−";
inline constexpr std::string_view kTimes = "·";
inline constexpr std::string_view kRoot = "√";

// A number as the student typed it, its digits all kept: "2,50", "−6",
// "0,5" for ".5", "1,5·10^−3" for "1.5e-3"; "0" for what reads as 0.
std::string Typed(const NumberReading& typed, std::string_view mark);

// The exact decimal value · 10^exponent written out in full ("−0,277777575",
// "1200"); none when that takes more than kLongestWritten characters, which
// no student reads and which cost more to write than the whole command.
inline constexpr std::int64_t kLongestWritten = 40;
std::optional<std::string> Decimal(const exact::Integer& value, std::int64_t exponent, std::string_view mark);

// An exact fraction in lowest terms: "2", "−7/3".
std::string Fraction(const Rational& value);

// The value rounded once to two decimals, as a label shows it but with the
// textbook minus and no blank: "2,24", "−0,50"; "0" for exactly 0 when
// `zeroAsLabel` (the coefficients' own zero).
std::string Rounded(const Hundredths& value, std::string_view mark, bool zeroAsLabel = false);

// √square = coefficient·√radicand with a square-free radicand, as far as a
// bounded trial division finds squares (radicand 1 when the root is
// rational). A radicand left above the bound is checked for being a square
// itself, so an exact root is always found.
struct Radical {
  Rational coefficient;
  exact::Integer radicand;
};
Radical Simplified(const Rational& square);
// "2√2", "(√5)/2", "(3√2)/4"; the fraction itself when rational: "7", "3/2".
std::string RadicalText(const Radical& root);

// A number ready to stand after a product's dot, under a square or after a
// slash: in brackets unless it is a plain unsigned number ("(−6)", "(2/3)",
// "(1,5·10^3)", "(2√2)").
std::string Factor(const std::string& text);
// Ready to stand after a minus: in brackets only when negative ("(−7)").
std::string Subtrahend(const std::string& text);

}  // namespace pr::working
