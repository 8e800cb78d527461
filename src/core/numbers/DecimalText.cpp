#include "core/numbers/DecimalText.h"

#include <cmath>
#include <cstdint>

#include "core/numbers/ExactMath.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

using exact::Integer;

constexpr int kMaxDigits = 17;  // every double round-trips with 17 significant digits

// The shortest decimal that reads back as the same double, as digits
// d1 d2 d3 ... standing for d1.d2d3... x 10^exponent; no trailing zeros.
struct ShortestDecimal {
  std::string digits;
  int exponent = 0;
};

// A finite double > 0 as significand × 2^exponent, both exact: doubles
// are turned into digits and back with integers alone, not with printf and
// strtod, whose long-double code would weigh down the page's module.
struct BinaryValue {
  Integer significand;
  int exponent = 0;
};
BinaryValue BinaryOf(double magnitude) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1)
  return {Integer(static_cast<std::uint64_t>(std::ldexp(fraction, 53))), exponent - 53};
}

// numerator / denominator to the nearest integer, ties to even, as printf
// rounds.
Integer RoundedQuotient(const Integer& numerator, const Integer& denominator) {
  Integer quotient;
  Integer rest;
  divide_qr(numerator, denominator, quotient, rest);
  // Past the half way when the rest is above what remains to the next unit.
  const Integer remaining = denominator - rest;
  if (rest > remaining || (rest == remaining && bit_test(quotient, 0))) ++quotient;
  return quotient;
}

// The value rounded to `digits` significant digits, exactly as printf's
// "%.*e" does.
ShortestDecimal RoundedTo(double magnitude, int digits) {
  const BinaryValue binary = BinaryOf(magnitude);
  const Integer lowest = exact::PowerOfTen(digits - 1);
  // log10 may be a unit off near a power of ten; the loop mends that.
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  for (;;) {
    const int scale = digits - 1 - exponent;
    Integer numerator = binary.significand;
    Integer denominator = 1;
    if (binary.exponent >= 0)
      numerator <<= binary.exponent;
    else
      denominator <<= -binary.exponent;
    if (scale >= 0)
      numerator *= exact::PowerOfTen(scale);
    else
      denominator *= exact::PowerOfTen(-scale);
    const Integer rounded = RoundedQuotient(numerator, denominator);
    if (rounded < lowest) {
      --exponent;
    } else if (rounded >= lowest * 10) {
      ++exponent;
    } else {
      return {exact::Digits(rounded), exponent};
    }
  }
}

// The correctly rounded double of digits × 10^scale; empty beyond the
// largest double.
std::optional<double> DoubleOf(const std::string& digits, std::int64_t scale) {
  // Boost reads a leading 0 as an octal prefix.
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0.0;
  const Integer value(digits.substr(first));
  try {
    if (scale >= 0) return exact::QuotientToDouble(value * exact::PowerOfTen(scale), 1);
    return exact::QuotientToDouble(value, exact::PowerOfTen(-scale));
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

// The double a decimal reads as (infinity past the largest one).
double ValueOf(const ShortestDecimal& decimal) {
  const int scale = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
  return DoubleOf(decimal.digits, scale).value_or(HUGE_VAL);
}

// The decimal one unit of the last digit above (`up`) or below, keeping the
// number of digits: 9.99 -> 1.00 x 10 up, 1.00 -> 9.99 x 10^-1 down.
ShortestDecimal Neighbour(ShortestDecimal decimal, bool up) {
  std::string& d = decimal.digits;
  auto it = d.rbegin();
  const char wrapFrom = up ? '9' : '0';
  for (; it != d.rend() && *it == wrapFrom; ++it) *it = up ? '0' : '9';
  if (it != d.rend()) *it = static_cast<char>(*it + (up ? 1 : -1));
  if (up && it == d.rend()) {
    d.insert(d.begin(), '1');
    d.pop_back();
    ++decimal.exponent;
  } else if (!up && d.front() == '0') {
    d.erase(d.begin());
    d.push_back('9');
    --decimal.exponent;
  }
  return decimal;
}

void DropTrailingZeros(ShortestDecimal& decimal) {
  while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
}

// Characters of each notation for `decimal` (without a sign).
std::size_t ScientificLength(const ShortestDecimal& d) {
  const int e = std::abs(d.exponent);
  const std::size_t exponentDigits = e >= 100 ? 3 : 2;
  return d.digits.size() + (d.digits.size() > 1 ? 1 : 0) + 2 + exponentDigits;
}
std::size_t FixedLength(const ShortestDecimal& d) {
  const auto n = static_cast<long>(d.digits.size());
  const long e = d.exponent;
  if (e < 0) return static_cast<std::size_t>(n + 1 - e);   // "0.00ddd"
  if (n <= e + 1) return static_cast<std::size_t>(e + 1);  // a whole number
  return static_cast<std::size_t>(n + 1);                  // "dd.ddd"
}

std::string Scientific(const ShortestDecimal& d) {
  std::string text(1, d.digits.front());
  if (d.digits.size() > 1) text += '.' + d.digits.substr(1);
  const int exponent = std::abs(d.exponent);
  return text + (d.exponent < 0 ? "e-" : "e+") + (exponent < 10 ? "0" : "") + std::to_string(exponent);
}

std::string Fixed(const ShortestDecimal& d, double magnitude) {
  const auto n = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  if (n <= d.exponent + 1) {
    // A whole number shows its exact value, not the shortest digits padded
    // with zeros.
    const BinaryValue binary = BinaryOf(magnitude);
    if (binary.exponent >= 0) return exact::Digits(binary.significand << binary.exponent);
    return exact::Digits(RoundedQuotient(binary.significand, Integer(1) << -binary.exponent));
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + '.' + d.digits.substr(point);
}

// The shortest length that reads back; among the decimals of that length,
// the one nearest the double. printf gives the nearest; when it does not
// read back, only its neighbour on the other side of the double can.
// `magnitude` finite and greater than zero.
ShortestDecimal ShortestDecimalOf(double magnitude) {
  for (int digits = 1; digits < kMaxDigits; ++digits) {
    ShortestDecimal nearest = RoundedTo(magnitude, digits);
    if (const double value = ValueOf(nearest); value != magnitude) {
      nearest = Neighbour(nearest, value < magnitude);
      if (ValueOf(nearest) != magnitude) continue;
    }
    DropTrailingZeros(nearest);
    return nearest;
  }
  ShortestDecimal full = RoundedTo(magnitude, kMaxDigits);
  DropTrailingZeros(full);
  return full;
}

}  // namespace

std::string ShortestText(double value) {
  if (value == 0.0) return std::signbit(value) ? "-0" : "0";
  const double magnitude = std::fabs(value);
  const ShortestDecimal decimal = ShortestDecimalOf(magnitude);
  const std::string text =
      FixedLength(decimal) <= ScientificLength(decimal) ? Fixed(decimal, magnitude) : Scientific(decimal);
  return std::signbit(value) ? "-" + text : text;
}

std::optional<double> ReadScientific(const std::string& digits, std::int64_t scale) {
  // Exact, so correctly rounded, and no locale can change how it reads.
  const std::optional<double> value = DoubleOf(digits, scale);
  if (!value || *value == 0.0) return std::nullopt;
  return value;
}

}  // namespace pr
