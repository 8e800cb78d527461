#include <gtest/gtest.h>

#include <string>

#include "geometry/CoefficientText.h"

namespace pr {
namespace {

TEST(CoefficientText, SignBlankAndTwoDecimals) {
  struct Case {
    MaybeNumber value;
    const char* mark;
    std::string text;
  };
  const Case cases[] = {
      {2.0, ".", "+ 2.00"},
      {-0.5, ".", "- 0.50"},
      {0.004, ".", "+ 0.00"},  // positive, so it keeps its sign though it rounds to 0
      {-0.004, ".", "- 0.00"},
      {-1234.567, ".", "- 1234.57"},
      {1234567.0, ".", "+ 1234567.00"},  // no grouping
      {0.0, ".", "0"},
      {-0.0, ".", "0"},
      {MaybeNumber(), ".", ""},
      {2.5, ",", "+ 2,50"},
      {-3.5, ",", "- 3,50"},
      {0.0, ",", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CoefficientText(c.value, c.mark), c.text) << c.value.Value() << " unset " << c.value.IsUnset();
  }
}

}  // namespace
}  // namespace pr
