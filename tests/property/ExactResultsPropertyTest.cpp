// Every number the commands show is the exact value of what was typed,
// rounded once to two decimals the school way (half-cents up). The judge
// here is its own: fractions of the typed decimals (boost::rational), square
// roots by integer root, two decimals by integer rounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <boost/rational.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/LabelRules.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

using Integer = boost::multiprecision::cpp_int;
using Fraction = boost::rational<Integer>;

Integer TenTo(std::size_t n) {
  Integer p = 1;
  for (std::size_t i = 0; i < n; ++i) p *= 10;
  return p;
}

// "-12.345" -> -12345/1000; the texts here are plain decimals.
Fraction Typed(const std::string& text) {
  const bool negative = text.front() == '-';
  std::string digits = text.substr(negative ? 1 : 0);
  const std::size_t point = digits.find('.');
  std::size_t decimals = 0;
  if (point != std::string::npos) {
    decimals = digits.size() - point - 1;
    digits.erase(point, 1);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));  // not octal
  const Fraction value(Integer(digits), TenTo(decimals));
  return negative ? -value : value;
}

// The hundredths a value may show: [low, high]. Rounding to a double first
// moves a value by less than a 2^52nd part of it, so far from the origin
// the last digits may differ; a half-cent of a value of fewer than 15
// digits is a decimal a double's shortest text keeps, and rounds up.
// " 12.35" for 1235 hundredths.
std::string Hundredths(const Integer& k) {
  std::string digits = k.str();
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return " " + digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
}

struct Allowed {
  Integer low;
  Integer high;
};

const Integer kDoubleParts = Integer(1) << 52;
const Integer kShortValue = TenTo(14);  // in hundredths

// s = n / d >= 0 in hundredths: the integers nearest s, half up, within a
// double's rounding of it.
Allowed NearestHundredths(const Integer& n, const Integer& d) {
  if ((2 * n) % d == 0 && bit_test(Integer(2 * n / d), 0) && n < kShortValue * d) {
    const Integer k = (2 * n / d + 1) / 2;
    return {k, k};
  }
  // floor(s·(1 ∓ 1/P) + 1/2) = floor((2n(P ∓ 1) + dP) / 2dP)
  const Integer P = kDoubleParts;
  return {(2 * n * (P - 1) + d * P) / (2 * d * P), (2 * n * (P + 1) + d * P) / (2 * d * P)};
}

Allowed TwoDecimals(const Fraction& v) { return NearestHundredths(100 * v.numerator(), v.denominator()); }

// The same for 100·sqrt(v): with t = 10000·v, the integer nearest sqrt(t),
// half up, is floor((floor(sqrt(4t)) + 1) / 2).
Integer NearestRoot(const Integer& n, const Integer& d) { return (sqrt(Integer(4 * n / d)) + 1) / 2; }

Allowed RootTwoDecimals(const Fraction& v) {
  const Integer n = 10000 * v.numerator();
  const Integer d = v.denominator();
  if ((4 * n) % d == 0) {
    const Integer w = 4 * n / d;
    Integer rest;
    const Integer r = sqrt(w, rest);
    if (rest == 0 && bit_test(r, 0) && r < 2 * kShortValue) return {(r + 1) / 2, (r + 1) / 2};
  }
  // A root moves half as much as the square under it: t·(1 ∓ 2/P).
  const Integer P = kDoubleParts;
  return {NearestRoot(n * (P - 2), d * P), NearestRoot(n * (P + 2), d * P)};
}

// " 12.35" -> 1235; nothing when the text is not a measure.
std::optional<Integer> ShownHundredths(std::string_view text) {
  if (!IsMeasureText(text, ".")) return std::nullopt;
  std::string digits(text.substr(1));
  digits.erase(digits.find('.'), 1);
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  return Integer(digits);
}

bool Within(std::string_view text, const Allowed& allowed) {
  const std::optional<Integer> k = ShownHundredths(text);
  return k && allowed.low <= *k && *k <= allowed.high;
}

// "+ 1.04", "- 0.38", "0" for exactly 0. (boost::rational<cpp_int> compared
// with an int recurses without end in Boost 1.74: signs come from the
// numerator.)
bool CoefficientShows(std::string_view text, const Fraction& v) {
  if (v.numerator() == 0) return text == "0";
  const bool positive = v.numerator() > 0;
  if (!text.starts_with(positive ? '+' : '-')) return false;
  return Within(text.substr(1), TwoDecimals(positive ? v : -v));
}

using Points = std::array<Fraction, 6>;  // x1 y1 x2 y2 x3 y3

Fraction SquaredDistance(const Points& p, int a, int b) {
  const Fraction dx = p[2 * a] - p[2 * b];
  const Fraction dy = p[2 * a + 1] - p[2 * b + 1];
  return dx * dx + dy * dy;
}

// The first label of Command1 that is not the exact value rounded once.
std::string Command1Wrong(const CommandRun& run, const Points& p) {
  const Fraction cross = (p[2] - p[0]) * (p[5] - p[1]) - (p[3] - p[1]) * (p[4] - p[0]);
  const std::array<std::pair<ResultLabel, Allowed>, 4> expected = {{
      {ResultLabel::DistanceP1P2, RootTwoDecimals(SquaredDistance(p, 0, 1))},
      {ResultLabel::DistanceP1P3, RootTwoDecimals(SquaredDistance(p, 0, 2))},
      {ResultLabel::DistanceP2P3, RootTwoDecimals(SquaredDistance(p, 1, 2))},
      {ResultLabel::Area, TwoDecimals((cross.numerator() < 0 ? -cross : cross) / Integer(2))},
  }};
  for (const auto& [label, allowed] : expected) {
    const std::string& shown = run.after.at(label);
    if (!Within(shown, allowed)) {
      return NameOf(label) + " shows \"" + shown + "\", not " + Hundredths(allowed.low) + " to " +
             Hundredths(allowed.high);
    }
  }
  return {};
}

std::string LineWrong(const CommandRun& run, const Points& p) {
  const CommandLabels& labels = kCommandLabels[static_cast<std::size_t>(run.command)];
  const int a = run.command == 3 ? 1 : 0;
  const int b = run.command == 1 ? 1 : 2;
  const Fraction m = (p[2 * b + 1] - p[2 * a + 1]) / (p[2 * b] - p[2 * a]);
  const Fraction q = p[2 * a + 1] - m * p[2 * a];
  const std::string& shown = run.after.at(*labels.written[0]);
  const std::optional<EquationParts> parts = SplitEquation(shown, labels.heading, ".");
  if (!parts || !CoefficientShows(parts->slope, m) || !CoefficientShows(parts->intercept, q)) {
    return "\"" + shown + "\" is not m = " + m.numerator().str() + "/" + m.denominator().str() +
           ", q = " + q.numerator().str() + "/" + q.denominator().str();
  }
  return {};
}

class Inputs {
 public:
  explicit Inputs(InputGenerator& generate) : generate_(generate) {}

  // Integers and one- or two-decimal numbers up to 100, as in class.
  std::string Classroom() {
    const int places = generate_.Between(0, 2);
    const int scale = places == 0 ? 1 : places == 1 ? 10 : 100;
    return Decimal(generate_.Between(-100 * scale, 100 * scale), places);
  }

  std::string Decimal(long long units, int places) {
    const bool negative = units < 0;
    std::string digits = std::to_string(negative ? -units : units);
    if (places > 0) {
      if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, places + 1 - digits.size(), '0');
      digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    }
    return (negative ? "-" : "") + digits;
  }

  std::array<std::string, 6> Next(int family) {
    std::array<std::string, 6> c;
    switch (family) {
      case 0:
        for (std::string& t : c) t = Classroom();
        break;
      case 1: {  // thin: P3 a hair off the line P1-P2, far from the origin
        const long long x0 = generate_.Between(-1000000, 1000000), y0 = generate_.Between(-1000000, 1000000);
        const int u = generate_.Between(-9, 9), v = generate_.Between(-9, 9);
        const long long k = generate_.Between(1000, 100000), j = generate_.Between(-100000, 100000);
        c = {Decimal(x0, 0),
             Decimal(y0, 0),
             Decimal(x0 + u * k, 0),
             Decimal(y0 + v * k, 0),
             Decimal(1000 * (x0 + u * j), 3),
             Decimal(1000 * (y0 + v * j) + generate_.Between(-9, 9), 3)};
        break;
      }
      case 2: {               // far: small decimals 10^6 to 10^15 from the origin
        long long far = 100;  // in hundredths
        for (int e = generate_.Between(6, 15); e > 0; --e) far *= 10;
        for (std::string& t : c) t = Decimal((generate_.OneIn(2) ? -1 : 1) * (far + generate_.Between(0, 99999)), 2);
        break;
      }
      default:  // ties: tenths make areas of half-hundredths; x in 1, 2, 4, 8ths of a run, q in half-cents
        for (std::size_t i = 0; i < 6; ++i) {
          c[i] = i % 2 == 0 && generate_.OneIn(2) ? Decimal(generate_.Between(-40, 40), 0)
                                                  : Decimal(generate_.Between(-4000, 4000), generate_.Between(1, 2));
        }
        break;
    }
    return c;
  }

 private:
  InputGenerator& generate_;
};

TEST(ExactResultsProperty, EveryNumberShownIsTheTypedValueRoundedOnce) {
  InputGenerator generate(PropertySeed() + 5);
  Inputs inputs(generate);
  RasterSurface raster(16, 16, kTwipsPerPixel, kWindowGrey);
  FakeForm form(raster);

  const int count = PropertyInputs(4000);
  for (int i = 0; i < count; ++i) {
    const std::array<std::string, 6> c = inputs.Next(i % 4);
    const BoxTexts boxes{c[0], c[1], c[2], c[3], c[4], c[5], "10"};
    Points p;
    for (std::size_t k = 0; k < 6; ++k) p[k] = Typed(c[k]);
    const int line = 1 + i / 4 % 3;
    const bool vertical = p[line == 3 ? 2 : 0] == p[line == 1 ? 2 : 4];
    for (const int command : {0, line}) {
      if (command != 0 && vertical) continue;
      const CommandRun run = RunOn(form, command, boxes);
      ASSERT_FALSE(run.error) << Reproduction(i, command, boxes);
      const std::string wrong = command == 0 ? Command1Wrong(run, p) : LineWrong(run, p);
      ASSERT_EQ(wrong, "") << Reproduction(i, command, boxes);
    }
  }
}

}  // namespace
}  // namespace pr::test
