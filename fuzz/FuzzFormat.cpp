// ShortestText and CoefficientText on arbitrary doubles (the input read 8 bytes at a
// time, so subnormals, -0 and huge values all come up): they never fail on a
// finite value, the shortest text reads back as the value and a coefficient
// always has its shape.
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/numbers/DecimalText.h"
#include "core/numbers/Hundredths.h"
#include "core/numbers/Rational.h"
#include "geometry/CoefficientText.h"
#include "support/LabelRules.h"

namespace {

constexpr std::string_view kMarks[] = {".", ","};

double ReadBack(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
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
    if (!std::isfinite(v)) continue;
    CheckShortest(v);
    CheckCoefficient(v);
  }
  return 0;
}
