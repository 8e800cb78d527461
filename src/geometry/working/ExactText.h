#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/ExactDecimal.h"
#include "core/numbers/Rational.h"

namespace pr::working {

// Textbook signs: the minus is not a hyphen, products are dots.
inline constexpr std::string_view kMinus = "−";
inline constexpr std::string_view kTimes = "·";
inline constexpr std::string_view kRoot = "√";

// Whether a typed number is one a student follows exactly on paper: at most
// three decimals and below a million. Fractions and roots of such numbers
// stay short; beyond that the working is written in decimals.
bool IsShortDecimal(const Rational& v);
// The same for a number as typed, told without forming its fraction (whose
// reduction alone costs seconds with thousands of digits).
bool IsShortDecimal(const ExactDecimal& v);

// v in textbook notation: "2", "−3", "2,5" for a decimal of up to six
// digits after the mark, else a fraction in lowest terms, "2/3", "−7/4".
std::string ExactNumber(const Rational& v, std::string_view mark);

// True when v has at most two decimals: its two-decimal label text is v itself.
bool HasTwoDecimalsAtMost(const Rational& v);
// The same for numerator / denominator · 10^exponent, denominator > 0.
bool HasTwoDecimalsAtMost(const exact::Integer& numerator, const exact::Integer& denominator, std::int64_t exponent);

// √radicand in simplest form: "2√2", "√5/2", "3√2/4"; the plain number
// when the root is rational. Empty when the radicand is too large to factor
// quickly (the working then writes √ of the radicand as it is).
struct SimplifiedRoot {
  std::string text;
  std::optional<Rational> rationalValue;  // set when the root is rational
};
std::optional<SimplifiedRoot> SimplifyRoot(const Rational& radicand, std::string_view mark);

// The number as a result label shows it, without the pattern's leading
// blank: "2,24". A negative number gets the textbook minus: "−0,50".
std::string ShownNumber(double v, std::string_view pattern, std::string_view mark);

}  // namespace pr::working
