// Val on arbitrary bytes: it never crashes, gives a finite number or the
// overflow error, ignores blanks wherever they stand, and on a clean decimal
// literal agrees with glibc's strtod in the "C" locale, a second and
// independently written correctly rounded reader.
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"

namespace {

// Val's answer, or nullopt for the overflow error.
std::optional<double> ValOrOverflow(std::string_view text) {
  try {
    const double v = pr::Val(text);
    Require(std::isfinite(v), "Val gives a finite number");
    Require(v != 0.0 || !std::signbit(v), "Val gives no negative zero");
    return v;
  } catch (const pr::RuntimeError& e) {
    Require(e.Code() == pr::ErrorCode::Overflow, "Val fails only with Overflow");
    return std::nullopt;
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// [+-] digits [. digits] [E [+-] digits], at least one mantissa digit, and
// nothing else: the texts on which both readers must agree exactly.
bool IsCleanLiteral(std::string_view s) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  const std::size_t mantissa = i;
  i = SkipDigits(s, i);
  std::size_t digits = i - mantissa;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fraction = ++i;
    i = SkipDigits(s, i);
    digits += i - fraction;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponent = i;
    i = SkipDigits(s, i);
    if (i == exponent) return false;
  }
  return i == s.size();
}

// strtod under the "C" locale, whatever the process locale; nullopt when the
// literal is beyond the largest double.
std::optional<double> Reference(const std::string& literal) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  char* end = nullptr;
  const double v = strtod_l(literal.c_str(), &end, cLocale);
  Require(end == literal.c_str() + literal.size(), "strtod reads the whole clean literal");
  if (std::isinf(v)) return std::nullopt;
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> read = ValOrOverflow(text);
  const std::string compact = WithoutBlanks(text);
  Require(ValOrOverflow(compact) == read, "blanks anywhere change nothing");
  if (IsCleanLiteral(compact)) {
    Require(Reference(compact) == read, "Val agrees with strtod on a clean literal");
  }
  return 0;
}
