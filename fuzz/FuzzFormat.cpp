// Format, ShortestText and CoefficientText on arbitrary doubles (the input read 8 bytes at a
// time, so subnormals, -0, huge values and NaNs all come up): they never fail
// on a finite value, always write the pattern's shape, and the number written
// is the value rounded to two decimals.
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/numbers/DecimalText.h"
#include "core/numbers/Format.h"
#include "core/numbers/Hundredths.h"
#include "core/numbers/Rational.h"
#include "core/numbers/RuntimeError.h"
#include "geometry/CoefficientText.h"
#include "support/LabelRules.h"

namespace {

constexpr std::string_view kPatterns[] = {pr::kDistancePattern, pr::kAreaPattern};
constexpr std::string_view kMarks[] = {".", ","};

bool HasNonZeroDigit(std::string_view text) { return text.find_first_of("123456789") != std::string_view::npos; }

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  if (const auto at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

double ReadBack(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
}

void CheckNonFinite(double v) {
  for (const std::string_view pattern : kPatterns) {
    try {
      pr::Format(v, pattern, ".");
      Require(false, "a non-finite value is refused");
    } catch (const pr::RuntimeError& e) {
      Require(e.Code() == pr::ErrorCode::Overflow, "a non-finite value is an Overflow");
    }
  }
}

// " ##0.00" and " #####0.00" with either mark: one shape, one text.
void CheckPatterns(double v) {
  const std::string text = pr::Format(v, pr::kDistancePattern, ".");
  for (const std::string_view pattern : kPatterns) {
    for (const std::string_view mark : kMarks) {
      Require(pr::Format(v, pattern, mark) == Replaced(text, ".", mark), "patterns and marks differ only in the mark");
    }
  }
  const bool minus = text.starts_with('-');
  const std::string_view number = std::string_view(text).substr(minus ? 2 : 1);
  Require(text.substr(minus ? 1 : 0, 1) == " ", "a blank stands before the digits");
  Require(pr::test::IsTwoDecimals(number, "."), "digits, mark, two decimals");
  Require(minus == (std::signbit(v) && HasNonZeroDigit(number)), "a minus exactly for negatives not rounding to 0");
  const double back = ReadBack(std::string(number)) * (minus ? -1 : 1);
  const double ulp = std::nextafter(std::fabs(v), std::numeric_limits<double>::infinity()) - std::fabs(v);
  Require(std::fabs(back - v) <= 0.0050001 + 4 * ulp, "the text is the value to two decimals");
}

// The shortest text reads back exactly.
void CheckShortest(double v) {
  Require(ReadBack(pr::ShortestText(v)) == v, "the shortest text reads back as the value");
}

// "+ d.dd", "- d.dd", "0" for zero; the sign stands apart from the digits.
void CheckCoefficient(double v) {
  const pr::Rational exact(v);
  const pr::Hundredths rounded = pr::exact::RoundedQuotient(numerator(exact), denominator(exact), 0);
  for (const std::string_view mark : kMarks) {
    const std::string text = pr::CoefficientText(rounded, mark);
    if (v == 0.0) {
      Require(text == "0", "a zero coefficient is \"0\"");
      continue;
    }
    Require(text.starts_with(v > 0 ? "+ " : "- "), "a coefficient starts with its sign and a blank");
    Require(pr::test::IsTwoDecimals(std::string_view(text).substr(2), mark),
            "a coefficient's digits, mark, two decimals");
  }
  Require(pr::CoefficientText(std::nullopt, ".").empty(), "an unset coefficient is empty");
}

}  // namespace

// Longer inputs only slow each run down without reaching new code.
constexpr std::size_t kMaxValues = 16;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  size = std::min(size, kMaxValues * sizeof(double));
  for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double v = 0.0;
    std::memcpy(&v, data + at, sizeof v);
    if (!std::isfinite(v)) {
      CheckNonFinite(v);
      continue;
    }
    CheckPatterns(v);
    CheckShortest(v);
    CheckCoefficient(v);
  }
  return 0;
}
