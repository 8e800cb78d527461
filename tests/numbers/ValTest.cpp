#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"
#include "numbers/ItalianLocale.h"

namespace pr {
namespace {

using Limits = std::numeric_limits<double>;

struct ValCase {
  std::string text;
  double expected;
};

// Test names show control and non-ASCII bytes as <hex>, long texts by their
// ends and length only (a backslash in a name upsets CTest's discovery).
std::string Escaped(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += c;
    } else {
      shown += {'<', kHex[byte >> 4], kHex[byte & 0xF], '>'};
    }
  }
  return shown;
}

std::string Shown(const std::string& text) {
  if (text.size() <= 24) return '"' + Escaped(text) + '"';
  return '"' + Escaped(text.substr(0, 10)) + "..." + Escaped(text.substr(text.size() - 10)) + "\" (" +
         std::to_string(text.size()) + " chars)";
}

void PrintTo(const ValCase& c, std::ostream* os) { *os << Shown(c.text); }

class ValReads : public testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheNumberTheTextBeginsWith) {
  const ValCase& c = GetParam();
  EXPECT_EQ(Val(c.text), c.expected) << Shown(c.text);
}

INSTANTIATE_TEST_SUITE_P(Ordinary, ValReads,
                         testing::Values(ValCase{"12", 12}, ValCase{"3.25", 3.25}, ValCase{"-7.5", -7.5},
                                         ValCase{"+3", 3}, ValCase{".5", 0.5}, ValCase{"0.1", 0.1}, ValCase{"5.", 5},
                                         ValCase{"007", 7}, ValCase{"1e3", 1000}, ValCase{"2.5E-2", 0.025},
                                         ValCase{"1E+2", 100}, ValCase{"-.5", -0.5}));

INSTANTIATE_TEST_SUITE_P(
    WhatUsersType, ValReads,
    testing::Values(ValCase{"12 cm", 12}, ValCase{"2,5", 2}, ValCase{" - 3", -3}, ValCase{"- 3", -3}, ValCase{"--3", 0},
                    ValCase{"+-3", 0}, ValCase{"1.2.3", 1.2}, ValCase{"", 0}, ValCase{"abc", 0}, ValCase{"1 2 3", 123},
                    ValCase{"1 e 3", 1000}, ValCase{"1e - 2", 0.01}, ValCase{"\t\n 4\t", 4}, ValCase{"1e", 1},
                    ValCase{"1e+", 1}, ValCase{"1e-", 1}, ValCase{"1ex", 1}, ValCase{"1d3", 1}, ValCase{".", 0},
                    ValCase{"-", 0}, ValCase{"e5", 0}, ValCase{".e5", 0}, ValCase{"3-2", 3}, ValCase{"1\r2", 1},
                    ValCase{"0x10", 0}, ValCase{"1,000.5", 1}, ValCase{"10,5", 10},
                    // Only ASCII digits count: fullwidth and Arabic-Indic digits are text.
                    ValCase{"\xEF\xBC\x91\xEF\xBC\x92", 0}, ValCase{"\xD9\xA3", 0}, ValCase{"7\xD9\xA3", 7},
                    ValCase{std::string("4\0"
                                        "5",
                                        3),
                            4}));

INSTANTIATE_TEST_SUITE_P(Huge, ValReads,
                         testing::Values(ValCase{"1e308", 1e308}, ValCase{"-1.7976931348623157e308", -Limits::max()},
                                         ValCase{"1" + std::string(300, '0'), 1e300}, ValCase{"0e999999", 0},
                                         ValCase{"0.000e99999999999999999999", 0},
                                         ValCase{"0." + std::string(1000, '0') + "1e1001", 1},
                                         ValCase{"1" + std::string(5000, '0') + "e-5000", 1}));

INSTANTIATE_TEST_SUITE_P(Tiny, ValReads,
                         testing::Values(ValCase{"1e-300", 1e-300}, ValCase{"2.2250738585072014e-308", Limits::min()},
                                         ValCase{"1e-99999999999", 0}, ValCase{"1e-400", 0}, ValCase{"-1e-400", 0},
                                         ValCase{"0." + std::string(400, '0') + "1", 0}));

INSTANTIATE_TEST_SUITE_P(Subnormal, ValReads,
                         testing::Values(ValCase{"4.9406564584124654e-324", Limits::denorm_min()},
                                         ValCase{"1e-310", 1e-310}, ValCase{"-1e-310", -1e-310},
                                         // Half the smallest subnormal is 2.4703282292062327208...e-324.
                                         ValCase{"2.4703282292062328e-324", Limits::denorm_min()},
                                         ValCase{"2.4703282292062327e-324", 0}));

// 2^53 + 1 lies halfway between two doubles: ties go to even, and any
// non-zero digit however far away tips it up, even past the digits kept.
INSTANTIATE_TEST_SUITE_P(LongDigitStrings, ValReads,
                         testing::Values(ValCase{"9007199254740993", 9007199254740992.0},
                                         ValCase{"9007199254740993." + std::string(2000, '0'), 9007199254740992.0},
                                         ValCase{"9007199254740993." + std::string(2000, '0') + "1",
                                                 9007199254740994.0},
                                         ValCase{std::string(3000, '0') + "42", 42}));

TEST(ValZero, HasNoSign) {
  for (const char* text : {"-0", "- 0", "-0.0e5", "-1e-999", "-", "-abc"}) {
    EXPECT_EQ(Val(text), 0.0) << text;
    EXPECT_FALSE(std::signbit(Val(text))) << text;
  }
}

struct OverflowCase {
  std::string text;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << Shown(c.text); }

class ValOverflows : public testing::TestWithParam<OverflowCase> {};

TEST_P(ValOverflows, WithRunTimeError6) {
  try {
    const double v = Val(GetParam().text);
    ADD_FAILURE() << "read " << v;
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::Overflow);
  }
}

INSTANTIATE_TEST_SUITE_P(TooLargeForADouble, ValOverflows,
                         testing::Values(OverflowCase{"1e999"}, OverflowCase{"-1e999"}, OverflowCase{"1e309"},
                                         OverflowCase{"1.8e308"}, OverflowCase{"1.7976931348623159e308"},
                                         OverflowCase{"1 e 9 9 9"}, OverflowCase{"1e99999999999999999999"},
                                         OverflowCase{std::string(400, '9')},
                                         OverflowCase{"0." + std::string(1000, '0') + "1e1400"}));

// Whatever the user's locale, the period is the one decimal separator.
class ValUnderItalianLocale : public pr::test::ItalianLocale {};

TEST_F(ValUnderItalianLocale, StillReadsThePeriod) {
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(Val("2.5"), 2.5);
  EXPECT_EQ(Val("2,5"), 2);
  EXPECT_EQ(Val("1.5e3"), 1500);
}

}  // namespace
}  // namespace pr
