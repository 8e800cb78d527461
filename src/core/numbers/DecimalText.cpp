#include "core/numbers/DecimalText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pr {
namespace {

constexpr int kMaxDigits = 17;  // every double round-trips with 17 significant digits

// printf's "%.*e" is correctly rounded in every C library the program is
// built with; only its decimal mark follows the locale, so everything but
// the digits before the 'e' is skipped.
ShortestDecimal RoundedTo(double magnitude, int digits) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.*e", digits - 1, magnitude);
  ShortestDecimal decimal;
  const char* c = buffer.data();
  for (; *c != 'e'; ++c) {
    if (*c >= '0' && *c <= '9') decimal.digits += *c;
  }
  decimal.exponent = static_cast<int>(std::strtol(c + 1, nullptr, 10));
  return decimal;
}

// The double a decimal reads as (infinity past the largest one).
double ValueOf(const ShortestDecimal& decimal) {
  const int scale = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
  return std::strtod((decimal.digits + 'e' + std::to_string(scale)).c_str(), nullptr);
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
  std::array<char, 16> exponent{};
  std::snprintf(exponent.data(), exponent.size(), "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
  return text + exponent.data();
}

std::string Fixed(const ShortestDecimal& d, double magnitude) {
  const auto n = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  if (n <= d.exponent + 1) {
    // A whole number shows its exact value, not the shortest digits padded
    // with zeros; "%.0f" writes no decimal mark in any locale.
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.0f", magnitude);
    return buffer.data();
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + '.' + d.digits.substr(point);
}

}  // namespace

// The shortest length that reads back; among the decimals of that length,
// the one nearest the double. printf gives the nearest; when it does not
// read back, only its neighbour on the other side of the double can.
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

std::string ShortestText(double value) {
  if (value == 0.0) return std::signbit(value) ? "-0" : "0";
  const double magnitude = std::fabs(value);
  const ShortestDecimal decimal = ShortestDecimalOf(magnitude);
  const std::string text =
      FixedLength(decimal) <= ScientificLength(decimal) ? Fixed(decimal, magnitude) : Scientific(decimal);
  return std::signbit(value) ? "-" + text : text;
}

std::optional<double> ReadScientific(const std::string& text) {
  // strtod is correctly rounded; a text without a decimal point reads the
  // same in every locale. Out of range shows in the value itself, not in
  // errno, which C libraries set differently for tiny results.
  const double value = std::strtod(text.c_str(), nullptr);
  if (std::isinf(value) || value == 0.0) return std::nullopt;
  return value;
}

}  // namespace pr
