#include "geometry/working/Notation.h"

#include <algorithm>

#include "core/numbers/ExactMath.h"
#include "core/numbers/Format.h"

namespace pr::working {
namespace {

using exact::Integer;

// Trial division for squares in a radicand stops at this divisor: a few
// hundred steps at most, whatever the size.
constexpr int kLargestTrialDivisor = 1000;

std::string Signed(bool negative, std::string text) { return negative ? std::string(kMinus) + text : text; }

std::string Joined(const std::string& whole, const std::string& decimals, std::string_view mark) {
  return decimals.empty() ? whole : whole + std::string(mark) + decimals;
}

// An upper bound on the digits of |value|, from its bits, without writing it.
std::int64_t DigitsAtMost(const Integer& value) {
  if (value == 0) return 1;
  const auto bits = static_cast<std::int64_t>(msb(abs(value))) + 1;
  return bits * 30103 / 100000 + 1;
}

}  // namespace

std::string Typed(const NumberReading& typed, std::string_view mark) {
  const std::string& digits = typed.digits;
  if (digits.empty()) return "0";
  const std::int64_t exponent = typed.exponent.value_or(0);
  // Digits before the mark, in the mantissa as typed (before its E).
  const std::int64_t point = typed.pointExponent - exponent;
  const auto length = static_cast<std::int64_t>(digits.size());
  std::string whole = "0";
  std::string decimals;
  if (point <= 0) {
    decimals = std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (point < length) {
    whole = digits.substr(0, static_cast<std::size_t>(point));
    decimals = digits.substr(static_cast<std::size_t>(point));
  } else {
    whole = digits + std::string(static_cast<std::size_t>(point - length), '0');
  }
  if (static_cast<std::int64_t>(decimals.size()) < typed.decimals) {
    decimals.append(static_cast<std::size_t>(typed.decimals) - decimals.size(), '0');
  }
  std::string text = Signed(typed.negative, Joined(whole, decimals, mark));
  if (typed.exponent) {
    text += std::string(kTimes) + "10^" + Signed(exponent < 0, std::to_string(exponent < 0 ? -exponent : exponent));
  }
  return text;
}

std::optional<std::string> Decimal(const Integer& value, std::int64_t exponent, std::string_view mark) {
  if (value == 0) return "0";
  const std::int64_t digits = DigitsAtMost(value);
  const std::int64_t length = exponent >= 0 ? digits + exponent : std::max(digits, -exponent) + 2;
  if (length > kLongestWritten) return std::nullopt;
  std::string text = exact::Digits(Integer(abs(value)));
  if (exponent >= 0) return Signed(value < 0, text + std::string(static_cast<std::size_t>(exponent), '0'));
  const auto decimals = static_cast<std::size_t>(-exponent);
  if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
  std::string fraction = text.substr(text.size() - decimals);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return Signed(value < 0, Joined(text.substr(0, text.size() - decimals), fraction, mark));
}

std::string Fraction(const Rational& value) {
  const Integer n = abs(numerator(value));
  const Integer& d = denominator(value);
  return Signed(value < 0, d == 1 ? exact::Digits(n) : exact::Digits(n) + "/" + exact::Digits(d));
}

std::string Rounded(const Hundredths& value, std::string_view mark, bool zeroAsLabel) {
  if (value.sign == 0 && zeroAsLabel) return "0";
  return Signed(value.sign < 0, TwoDecimals(value, mark));
}

// √(p/q) = √(p·q)/q, and p·q = outside²·inside.
Radical Simplified(const Rational& square) {
  Integer rest = numerator(square) * denominator(square);
  Integer outside = 1;
  Integer inside = 1;
  for (int d = 2; d <= kLargestTrialDivisor && Integer(d) * d * d <= rest; d += d == 2 ? 1 : 2) {
    while (rest % (d * d) == 0) {
      rest /= d * d;
      outside *= d;
    }
    if (rest % d == 0) {
      rest /= d;
      inside *= d;
    }
  }
  // Below the cube of the last divisor the rest is 1, a prime, a product of
  // two or a prime's square; above it, whatever it is, a square is found.
  const Integer root = exact::SquareRoot(rest);
  if (root * root == rest) {
    outside *= root;
  } else {
    inside *= rest;
  }
  return {Rational(outside, denominator(square)), inside};
}

std::string RadicalText(const Radical& root) {
  if (root.radicand == 1) return Fraction(root.coefficient);
  const Integer& n = numerator(root.coefficient);
  const Integer& d = denominator(root.coefficient);
  const std::string core =
      (n == 1 ? std::string() : exact::Digits(n)) + std::string(kRoot) + exact::Digits(root.radicand);
  return d == 1 ? core : "(" + core + ")/" + exact::Digits(d);
}

std::string Factor(const std::string& text) {
  const bool plain =
      std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; });
  return plain ? text : "(" + text + ")";
}

std::string Subtrahend(const std::string& text) { return text.starts_with(kMinus) ? "(" + text + ")" : text; }

}  // namespace pr::working
