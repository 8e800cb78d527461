#include "core/numbers/Val.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// A double is decided by its first 768 significant digits; past them only
// "is anything non-zero left?" matters, and a trailing 1 keeps that answer.
constexpr std::size_t kKeptDigits = 800;

// No text is this long, so an exponent clamped here still decides the result
// exactly, and adding digit counts to it cannot overflow an int64_t.
constexpr std::int64_t kExponentClamp = 100'000'000'000'000'000;

// With the point exponent past 310 the value is at least 10^310, past the
// largest double; below -330 it is under 10^-331, less than half the smallest
// subnormal. Outside this window the answer needs no conversion at all.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Only ASCII digits count, whatever the user's locale says about other bytes.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text one meaningful character at a time: blanks may stand
// anywhere, even between the digits of a number, and are never seen.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The number as read: value = ±0.<digits> × 10^pointExponent, the first digit
// non-zero. No digits at all means the value is zero.
struct Reading {
  bool negative = false;
  std::string digits;
  std::int64_t pointExponent = 0;
  bool droppedNonZero = false;

  void AddDigit(char c, bool afterPeriod) {
    if (digits.empty() && c == '0') {
      if (afterPeriod) --pointExponent;  // 0.05: the point moves right of the zero
      return;
    }
    if (!afterPeriod) ++pointExponent;
    if (digits.size() < kKeptDigits) {
      digits += c;
    } else if (c != '0') {
      droppedNonZero = true;
    }
  }
};

bool ReadSign(Cursor& cursor) {
  const char c = cursor.Peek();
  if (c != '+' && c != '-') return false;
  cursor.Advance();
  return c == '-';
}

// Digits with at most one period; false when not a single digit was there.
bool ReadMantissa(Cursor& cursor, Reading& reading) {
  bool sawPeriod = false;
  bool sawDigit = false;
  for (char c = cursor.Peek();; c = cursor.Peek()) {
    if (IsDigit(c)) {
      sawDigit = true;
      reading.AddDigit(c, sawPeriod);
    } else if (c == '.' && !sawPeriod) {
      sawPeriod = true;
    } else {
      return sawDigit;
    }
    cursor.Advance();
  }
}

// "E", an optional sign and digits; "1e" and "1e+" have exponent 0.
std::int64_t ReadExponent(Cursor& cursor) {
  const char marker = cursor.Peek();
  if (marker != 'e' && marker != 'E') return 0;
  cursor.Advance();
  const bool negative = ReadSign(cursor);
  std::int64_t exponent = 0;
  for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
    exponent = std::min(exponent * 10 + (c - '0'), kExponentClamp);
    cursor.Advance();
  }
  return negative ? -exponent : exponent;
}

[[noreturn]] void ThrowOverflow() { throw RuntimeError(ErrorCode::Overflow); }

// Correctly rounded and independent of the locale: the text handed on has
// no decimal point, whatever the user's decimal mark is.
double ToDouble(const Reading& reading) {
  if (reading.digits.empty() || reading.pointExponent < kUnderflowExponent) return 0.0;
  if (reading.pointExponent > kOverflowExponent) ThrowOverflow();
  std::string text = reading.digits;
  if (reading.droppedNonZero) text += '1';
  const auto scale = reading.pointExponent - static_cast<std::int64_t>(text.size());
  text += 'e' + std::to_string(scale);
  const std::optional<double> magnitude = ReadScientific(text);
  if (!magnitude) {
    if (reading.pointExponent > 0) ThrowOverflow();
    return 0.0;
  }
  return reading.negative ? -*magnitude : *magnitude;
}

}  // namespace

double Val(std::string_view text) {
  Cursor cursor(text);
  Reading reading;
  reading.negative = ReadSign(cursor);
  if (!ReadMantissa(cursor, reading)) return 0.0;
  const std::int64_t exponent = ReadExponent(cursor);
  reading.pointExponent += exponent;
  return ToDouble(reading);
}

}  // namespace pr
