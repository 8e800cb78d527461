#include "core/numbers/TypedText.h"

#include <cstdint>
#include <string>

namespace pr {
namespace {

// Beyond these decimal exponents of the leading digit the exponent form is
// used: 10^-7 and below, 10^21 and above.
constexpr std::int64_t kLowestFixedExponent = -6;
constexpr std::int64_t kHighestFixedExponent = 20;

std::string FixedText(const std::string& digits, std::int64_t exponent) {
  const auto count = static_cast<std::int64_t>(digits.size());
  if (exponent >= 0) return digits + std::string(static_cast<std::size_t>(exponent), '0');
  const std::int64_t whole = count + exponent;  // digits before the point
  if (whole > 0) {
    const auto split = static_cast<std::size_t>(whole);
    return digits.substr(0, split) + "." + digits.substr(split);
  }
  return "0." + std::string(static_cast<std::size_t>(-whole), '0') + digits;
}

std::string ExponentText(const std::string& digits, std::int64_t leading) {
  std::string text(1, digits[0]);
  if (digits.size() > 1) text += "." + digits.substr(1);
  return text + "e" + std::to_string(leading);
}

}  // namespace

std::string TypedText(const ExactDecimal& value) {
  if (value.significand == 0) return "0";
  std::string digits = exact::Digits(boost::multiprecision::abs(value.significand));
  std::int64_t exponent = value.exponent;
  const std::size_t significant = digits.find_last_not_of('0') + 1;
  exponent += static_cast<std::int64_t>(digits.size() - significant);
  digits.resize(significant);

  const std::int64_t leading = exponent + static_cast<std::int64_t>(digits.size()) - 1;
  const bool fixed = leading >= kLowestFixedExponent && leading <= kHighestFixedExponent;
  const std::string magnitude = fixed ? FixedText(digits, exponent) : ExponentText(digits, leading);
  return value.significand < 0 ? "-" + magnitude : magnitude;
}

}  // namespace pr
