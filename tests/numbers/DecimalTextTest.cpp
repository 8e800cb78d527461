#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/numbers/DecimalText.h"

namespace pr {
namespace {

struct TextCase {
  double value;
  const char* expected;
};

TEST(ShortestText, TheShortestRoundTripFixedOrScientific) {
  const TextCase cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {2.5, "2.5"},
      {-3.0, "-3"},
      {0.1, "0.1"},
      // The shortest round trip in fixed or scientific notation, whichever is
      // shorter, fixed on a tie; a whole number in fixed notation exactly.
      {0.30000000000000004, "0.30000000000000004"},
      {0.001, "0.001"},
      {1e-4, "1e-04"},
      {123456.0, "123456"},
      {1e5, "1e+05"},
      {1.5e5, "150000"},
      {1e23, "1e+23"},
      {1152921504606846976.0, "1152921504606846976"},
      {-1.2345e-7, "-1.2345e-07"},
      {5e-324, "5e-324"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestText(c.value), c.expected);
}

// Both directions against the C++ and C libraries, on doubles of every
// binade (bit patterns drawn at random) and on decimals of up to 19 digits.
TEST(DecimalText, AgreesWithTheLibrariesOnRandomValues) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = random() & 0x7fff'ffff'ffff'ffffULL;  // positive
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);  // not bit_cast: the browser build's library lacks it
    if (!std::isfinite(value) || value == 0.0) continue;
#if defined(__cpp_lib_to_chars)
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    ASSERT_EQ(ShortestText(value), std::string(buffer, end)) << "bits " << bits;
#endif
    const std::string digits = std::to_string(random() % 10'000'000'000'000'000'000ULL + 1);
    const auto scale = static_cast<std::int64_t>(random() % 700) - 350;
    const double expected = std::strtod((digits + "e" + std::to_string(scale)).c_str(), nullptr);
    const std::optional<double> read = ReadScientific(digits, scale);
    if (std::isinf(expected) || expected == 0.0) {
      EXPECT_FALSE(read) << digits << "e" << scale;
    } else {
      EXPECT_EQ(read, expected) << digits << "e" << scale;
    }
  }
}

}  // namespace
}  // namespace pr
