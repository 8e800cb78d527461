#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/numbers/Hundredths.h"
#include "geometry/CoefficientText.h"

namespace pr {
namespace {

TEST(CoefficientText, SignBlankAndTwoDecimals) {
  struct Case {
    long long numerator;  // the exact value numerator/denominator; unset when the denominator is 0
    long long denominator;
    const char* mark;
    std::string text;
  };
  const Case cases[] = {
      {2, 1, ".", "+ 2.00"},
      {-1, 2, ".", "- 0.50"},
      {4, 1000, ".", "+ 0.00"},  // positive, so it keeps its sign though it rounds to 0
      {-4, 1000, ".", "- 0.00"},
      {-1234567, 1000, ".", "- 1234.57"},
      {1234567, 1, ".", "+ 1234567.00"},  // no grouping
      {3, 8, ".", "+ 0.38"},              // a half-cent away from zero
      {-3, 8, ".", "- 0.38"},
      {0, 1, ".", "0"},
      {0, 0, ".", ""},
      {5, 2, ",", "+ 2,50"},
      {-7, 2, ",", "- 3,50"},
      {0, 1, ",", "0"},
  };
  for (const Case& c : cases) {
    std::optional<Hundredths> value;
    if (c.denominator != 0) value = exact::RoundedQuotient(c.numerator, c.denominator, 0);
    EXPECT_EQ(CoefficientText(value, c.mark), c.text) << c.numerator << "/" << c.denominator;
  }
}

}  // namespace
}  // namespace pr
