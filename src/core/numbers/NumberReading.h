#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pr {

// The number a text begins with, as Val's rules read it (Val.h): the value
// is ±0.<digits> × 10^pointExponent, the first digit non-zero; no digits at
// all means zero. Every digit read is kept, so the value is exact, and so is
// how it was typed: "2.50" has two decimals, "1.5e-3" the exponent -3.
struct NumberReading {
  bool negative = false;
  std::string digits;
  // Clamped far beyond any text's length, so an exponent of
  // 999999999999999999999 still reads as "too large" without overflowing.
  std::int64_t pointExponent = 0;
  std::int64_t decimals = 0;               // digits typed after the period, zeros too
  std::optional<std::int64_t> exponent{};  // typed after E (clamped likewise), if any digit was
  // Where the reading stopped: the first character past the number that is
  // not a blank, or the text's length. What stands from there on is not read.
  std::size_t end = 0;
};

NumberReading ReadNumber(std::string_view text);

// The blanks a reading skips wherever they stand, and the digits it reads:
// only ASCII ones, whatever the user's locale says about other bytes.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The double nearest the reading's value (Val's result). Raises Overflow
// beyond the largest double; below half the smallest subnormal it is 0.
double ValueOf(const NumberReading& reading);

// With the point exponent past 310 the value is at least 10^310, beyond the
// largest double; below -330 it is under 10^-331, less than half the
// smallest subnormal, and reads as 0.
inline constexpr std::int64_t kOverflowExponent = 310;
inline constexpr std::int64_t kUnderflowExponent = -330;

}  // namespace pr
