#include "core/numbers/NumberReading.h"

#include <algorithm>
#include <optional>

#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// No text is this long, so an exponent clamped here still decides the result
// exactly, and adding digit counts to it cannot overflow an int64_t.
constexpr std::int64_t kExponentClamp = 100'000'000'000'000'000;

// A double is decided by its first 768 significant digits; past them only
// "is anything non-zero left?" matters, and a trailing 1 keeps that answer.
constexpr std::size_t kKeptDigits = 800;

[[noreturn]] void ThrowOverflow() { throw RuntimeError(ErrorCode::Overflow); }

std::string DecidingDigits(const std::string& digits) {
  if (digits.size() <= kKeptDigits) return digits;
  std::string kept = digits.substr(0, kKeptDigits);
  if (digits.find_first_not_of('0', kKeptDigits) != std::string::npos) kept += '1';
  return kept;
}

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
  // The first character not read yet, blanks skipped.
  std::size_t Stop() {
    Peek();
    return pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

void AddDigit(NumberReading& reading, char c, bool afterPeriod) {
  if (afterPeriod) ++reading.decimals;
  if (reading.digits.empty() && c == '0') {
    if (afterPeriod) --reading.pointExponent;  // 0.05: the point moves right of the zero
    return;
  }
  if (!afterPeriod) ++reading.pointExponent;
  reading.digits += c;
}

bool ReadSign(Cursor& cursor) {
  const char c = cursor.Peek();
  if (c != '+' && c != '-') return false;
  cursor.Advance();
  return c == '-';
}

// Digits with at most one period; false when not a single digit was there.
bool ReadMantissa(Cursor& cursor, NumberReading& reading) {
  bool sawPeriod = false;
  bool sawDigit = false;
  for (char c = cursor.Peek();; c = cursor.Peek()) {
    if (IsDigit(c)) {
      sawDigit = true;
      AddDigit(reading, c, sawPeriod);
    } else if (c == '.' && !sawPeriod) {
      sawPeriod = true;
    } else {
      return sawDigit;
    }
    cursor.Advance();
  }
}

// "E", an optional sign and digits; "1e" and "1e+" have none.
std::optional<std::int64_t> ReadExponent(Cursor& cursor) {
  const char marker = cursor.Peek();
  if (marker != 'e' && marker != 'E') return std::nullopt;
  cursor.Advance();
  const bool negative = ReadSign(cursor);
  std::optional<std::int64_t> exponent;
  for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
    exponent = std::min(exponent.value_or(0) * 10 + (c - '0'), kExponentClamp);
    cursor.Advance();
  }
  if (exponent && negative) *exponent = -*exponent;
  return exponent;
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
  Cursor cursor(text);
  NumberReading reading;
  reading.negative = ReadSign(cursor);
  if (!ReadMantissa(cursor, reading)) return {};
  reading.exponent = ReadExponent(cursor);
  reading.pointExponent += reading.exponent.value_or(0);
  reading.end = cursor.Stop();
  return reading;
}

// Correctly rounded and independent of the locale: the text handed on has
// no decimal point, whatever the user's decimal mark is.
double ValueOf(const NumberReading& reading) {
  if (reading.digits.empty() || reading.pointExponent < kUnderflowExponent) return 0.0;
  if (reading.pointExponent > kOverflowExponent) ThrowOverflow();
  const std::string digits = DecidingDigits(reading.digits);
  const auto scale = reading.pointExponent - static_cast<std::int64_t>(digits.size());
  const std::optional<double> magnitude = ReadScientific(digits, scale);
  if (!magnitude) {
    if (reading.pointExponent > 0) ThrowOverflow();
    return 0.0;
  }
  return reading.negative ? -*magnitude : *magnitude;
}

}  // namespace pr
