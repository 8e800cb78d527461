#include "core/numbers/Format.h"

#include <array>
#include <cmath>

#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// The patterns the program knows: the literal text before the number and the
// number of decimals. Both write at least one integer digit and no grouping.
struct NumberPattern {
  std::string_view pattern;
  std::string_view prefix;
  int decimals;
};

constexpr std::array kNumberPatterns = {
    NumberPattern{kDistancePattern, " ", 2},
    NumberPattern{kAreaPattern, " ", 2},
};

const NumberPattern& PatternFor(std::string_view pattern) {
  for (const auto& known : kNumberPatterns) {
    if (known.pattern == pattern) return known;
  }
  throw RuntimeError(ErrorCode::InvalidCall);
}

// Adds one to a string of decimal digits; "" counts as 0 and gives "1".
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The digits of magnitude × 10^decimals rounded half away from zero to an
// integer, worked on the shortest decimal text; "" when that integer is 0.
std::string ScaledRoundedDigits(double magnitude, int decimals) {
  if (magnitude == 0.0) return {};
  // The shortest decimal is the number a person believes they have: 2.675,
  // not the 2.67499999... the double holds.
  const ShortestDecimal shortest = ShortestDecimalOf(magnitude);
  const auto total = static_cast<long>(shortest.digits.size());
  const long kept = shortest.exponent + decimals + 1;  // digits at or left of the units place
  if (kept < 0) return {};
  if (kept >= total) return shortest.digits + std::string(static_cast<std::size_t>(kept - total), '0');
  std::string digits = shortest.digits.substr(0, static_cast<std::size_t>(kept));
  if (shortest.digits[static_cast<std::size_t>(kept)] >= '5') Increment(digits);
  return digits;
}

// `digits`: the rounded magnitude in units of the last decimal ("" for 0).
std::string FormatNumber(bool negative, std::string digits, const NumberPattern& pattern,
                         std::string_view decimalMark) {
  const auto decimals = static_cast<std::size_t>(pattern.decimals);
  // Only a value that is still non-zero after rounding shows its sign.
  const bool minus = negative && !digits.empty();
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string text;
  text.reserve(digits.size() + pattern.prefix.size() + decimalMark.size() + 1);
  if (minus) text += '-';
  text += pattern.prefix;
  text.append(digits, 0, digits.size() - decimals);
  text += decimalMark;
  text.append(digits, digits.size() - decimals);
  return text;
}

}  // namespace

std::string Format(double value, std::string_view pattern, std::string_view decimalMark) {
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow);
  const NumberPattern& known = PatternFor(pattern);
  return FormatNumber(std::signbit(value), ScaledRoundedDigits(std::fabs(value), known.decimals), known, decimalMark);
}

std::string Format(const Hundredths& value, std::string_view pattern, std::string_view decimalMark) {
  const NumberPattern& known = PatternFor(pattern);
  const bool minus = value.sign < 0 && value.magnitude != 0;
  return (minus ? "-" : "") + std::string(known.prefix) + TwoDecimals(value, decimalMark);
}

std::string TwoDecimals(const Hundredths& value, std::string_view decimalMark) {
  std::string digits = exact::Digits(value.magnitude);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return digits.substr(0, digits.size() - 2) + std::string(decimalMark) + digits.substr(digits.size() - 2);
}

}  // namespace pr
