#include "core/numbers/ExactDecimal.h"

#include <algorithm>
#include <string>

#include "core/numbers/NumberReading.h"

namespace pr {
Rational ExactDecimal::ToRational() const {
  if (exponent >= 0) return Rational(significand * exact::PowerOfTen(exponent));
  return Rational(significand, exact::PowerOfTen(-exponent));
}

ExactDecimal Sum(const ExactDecimal& a, const ExactDecimal& b) {
  const std::int64_t exponent = std::min(a.exponent, b.exponent);
  return {a.significand * exact::PowerOfTen(a.exponent - exponent) +
              b.significand * exact::PowerOfTen(b.exponent - exponent),
          exponent};
}

ExactReading ValExactly(std::string_view text) {
  NumberReading reading = ReadNumber(text);
  const double value = ValueOf(reading);
  if (value == 0.0) return {};
  // A finite, non-zero double bounds the point exponent (NumberReading.h),
  // so the exponent below is within a text's length of it.
  const std::size_t significant = reading.digits.find_last_not_of('0') + 1;
  exact::Integer significand(reading.digits.substr(0, significant));
  if (reading.negative) significand = -significand;
  const std::int64_t exponent = reading.pointExponent - static_cast<std::int64_t>(significant);
  return {value, {std::move(significand), exponent}, std::move(reading)};
}

}  // namespace pr
