#include "core/numbers/Format.h"

#include <array>

#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// The patterns the program knows and the literal text before the number.
// Both write two decimals, at least one integer digit and no grouping.
struct NumberPattern {
  std::string_view pattern;
  std::string_view prefix;
};

constexpr std::array kNumberPatterns = {
    NumberPattern{kDistancePattern, " "},
    NumberPattern{kAreaPattern, " "},
};

const NumberPattern& PatternFor(std::string_view pattern) {
  for (const auto& known : kNumberPatterns) {
    if (known.pattern == pattern) return known;
  }
  throw RuntimeError(ErrorCode::InvalidCall);
}

}  // namespace

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
