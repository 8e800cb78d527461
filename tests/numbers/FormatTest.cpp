#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/numbers/Format.h"
#include "core/numbers/RuntimeError.h"
#include "numbers/ItalianLocale.h"

namespace pr {
namespace {

using Limits = std::numeric_limits<double>;

struct FormatCase {
  double value;
  std::string expected;  // with a period as the decimal mark
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value; }

class FormatWrites : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatWrites, TheSameTextWithEitherPattern) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(Format(c.value, kDistancePattern), c.expected);
  EXPECT_EQ(Format(c.value, kAreaPattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ordinary, FormatWrites,
                         testing::Values(FormatCase{5, " 5.00"}, FormatCase{1234.567, " 1234.57"},
                                         FormatCase{0.5, " 0.50"}, FormatCase{0, " 0.00"}, FormatCase{10.1, " 10.10"},
                                         FormatCase{3.14159, " 3.14"}, FormatCase{1.0 / 3.0, " 0.33"},
                                         FormatCase{2.0 / 3.0, " 0.67"}, FormatCase{-1.5, "- 1.50"}));

// Halves round away from zero on the number as written, not on the binary
// value just below it (2.675 is stored as 2.67499999...).
INSTANTIATE_TEST_SUITE_P(Halves, FormatWrites,
                         testing::Values(FormatCase{2.675, " 2.68"}, FormatCase{1.005, " 1.01"},
                                         FormatCase{0.125, " 0.13"}, FormatCase{0.005, " 0.01"},
                                         FormatCase{0.015, " 0.02"}, FormatCase{1.555, " 1.56"},
                                         FormatCase{99.995, " 100.00"}, FormatCase{999.995, " 1000.00"},
                                         FormatCase{0.0049999, " 0.00"},
                                         FormatCase{123456789012.345, " 123456789012.35"}, FormatCase{-2.675, "- 2.68"},
                                         FormatCase{-0.005, "- 0.01"}, FormatCase{-0.004, " 0.00"}));

INSTANTIATE_TEST_SUITE_P(
    Huge, FormatWrites,
    testing::Values(FormatCase{1e16, " 10000000000000000.00"}, FormatCase{1e300, " 1" + std::string(300, '0') + ".00"},
                    FormatCase{Limits::max(), " 17976931348623157" + std::string(292, '0') + ".00"},
                    FormatCase{-1e20, "- 100000000000000000000.00"}));

INSTANTIATE_TEST_SUITE_P(Tiny, FormatWrites,
                         testing::Values(FormatCase{1e-300, " 0.00"}, FormatCase{0.001, " 0.00"},
                                         FormatCase{Limits::min(), " 0.00"}, FormatCase{-1e-300, " 0.00"}));

INSTANTIATE_TEST_SUITE_P(Subnormal, FormatWrites,
                         testing::Values(FormatCase{Limits::denorm_min(), " 0.00"},
                                         FormatCase{-Limits::denorm_min(), " 0.00"}, FormatCase{1e-310, " 0.00"}));

INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatWrites, testing::Values(FormatCase{-0.0, " 0.00"}));

// The core takes the mark as given; the process locale has no say.
class FormatUnderItalianLocale : public pr::test::ItalianLocale {};

TEST_F(FormatUnderItalianLocale, WritesTheGivenDecimalMark) {
  EXPECT_EQ(Format(1234.567, kDistancePattern, ","), " 1234,57");
  EXPECT_EQ(Format(0.5, kAreaPattern, ","), " 0,50");
  EXPECT_EQ(Format(-2.675, kDistancePattern, ","), "- 2,68");
  EXPECT_EQ(Format(1e300, kAreaPattern, ","), " 1" + std::string(300, '0') + ",00");
  EXPECT_EQ(Format(1234.567, kDistancePattern, "."), " 1234.57");
}

TEST(FormatFailure, NonFiniteIsOverflowAndAnUnknownPatternInvalid) {
  for (const double v : {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()}) {
    for (const std::string_view pattern : {kDistancePattern, kAreaPattern, std::string_view{}}) {
      try {
        Format(v, pattern);
        ADD_FAILURE() << v << " with \"" << pattern << '"';
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Code(), ErrorCode::Overflow);
      }
    }
  }
  try {
    Format(1.0, "0.000");
    ADD_FAILURE() << "an unknown pattern was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::InvalidCall);
  }
}

}  // namespace
}  // namespace pr
