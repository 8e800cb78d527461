// A box read exactly: the same digits, sign, point and exponent Val reads,
// kept whole beside Val's double.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/numbers/ExactDecimal.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"

namespace pr {
namespace {

struct ExactCase {
  std::string text;
  std::string significand;
  std::int64_t exponent;
};

TEST(ValExactly, TheDigitsValReadKeptWhole) {
  const std::string thousandDigits = "1" + std::string(998, '0') + "1";
  const std::string wholeDigits = "1" + std::string(298, '0') + "1";  // 10^299 + 1, no double
  const std::vector<ExactCase> cases = {
      {"", "0", 0},
      {"abc", "0", 0},
      {"12 cm", "12", 0},
      {"2,5", "2", 0},
      {" - 3", "-3", 0},
      {"0.10", "1", -1},  // trailing zeros go: one value, one form
      {"1200", "12", 2},
      {"-0.0050", "-5", -3},
      {"1 e 3", "1", 3},
      {"1.5e-3x", "15", -4},
      {"0.1", "1", -1},  // not the double's 0.1000000000000000055...
      {"1000000000000000.1", "10000000000000001", -1},
      {"4.9e-324", "49", -325},
      {"1e-400", "0", 0},  // Val reads 0: so does the exact value
      {"-0", "0", 0},
      {wholeDigits, wholeDigits, 0},
      {"0." + thousandDigits, thousandDigits, -1000},  // past the 800 digits a double needs
  };
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    const ExactReading reading = ValExactly(c.text);
    EXPECT_EQ(reading.exact.significand.str(), c.significand);
    EXPECT_EQ(reading.exact.exponent, c.exponent);
    EXPECT_EQ(reading.value, Val(c.text));
    EXPECT_EQ(reading.exact.ToRational(), Rational(exact::Integer(c.significand)) *
                                              (c.exponent >= 0 ? Rational(exact::PowerOfTen(c.exponent))
                                                               : Rational(1, exact::PowerOfTen(-c.exponent))));
  }
  EXPECT_THROW(ValExactly("1e999"), RuntimeError);
  EXPECT_THROW(ValExactly(std::string(400, '9')), RuntimeError);
}

}  // namespace
}  // namespace pr
