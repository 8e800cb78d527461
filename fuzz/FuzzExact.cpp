// The exact reading and arithmetic on arbitrary text, long numbers
// included. The input's first six lines are x1, y1, x2, y2, x3, y3. Every
// coordinate reads as Val reads it, and its exact value rounds to Val's
// double; every distance, the area, and the slope, intercept and
// perpendicular slope of P1-P2 is the double nearest its exact value,
// computed here again with plain fractions, or Overflow exactly when that
// value is beyond the largest double; and its label's two decimals are the
// exact value rounded once.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/numbers/ExactDecimal.h"
#include "core/numbers/ExactMath.h"
#include "core/numbers/Hundredths.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"
#include "geometry/ExactGeometry.h"

namespace {

using pr::Rational;

// Half-way between the largest double and 2^1024: from here on, Overflow.
const Rational& OverflowFrom() {
  static const Rational limit = Rational(std::numeric_limits<double>::max()) + Rational(pr::exact::Integer(1) << 970);
  return limit;
}

std::optional<double> OrOverflow(const std::function<double()>& compute) {
  try {
    return compute();
  } catch (const pr::RuntimeError& e) {
    Require(e.Code() == pr::ErrorCode::Overflow, "only Overflow");
    return std::nullopt;
  }
}

Rational Magnitude(const Rational& v) { return v < 0 ? Rational(-v) : v; }

// r is the double nearest v: no neighbour is nearer (a tie may go either
// way here; the unit tests pin ties to even).
bool Nearest(double r, const Rational& v) {
  const Rational gap = Magnitude(Rational(r) - v);
  for (const double n : {std::nextafter(r, -INFINITY), std::nextafter(r, INFINITY)}) {
    if (std::isfinite(n) && Magnitude(Rational(n) - v) < gap) return false;
  }
  return true;
}

void CheckRounded(const std::function<double()>& compute, const Rational& exact, std::string_view what) {
  const std::optional<double> r = OrOverflow(compute);
  if (!r) {
    Require(Magnitude(exact) >= OverflowFrom(), what);
    return;
  }
  Require(Nearest(*r, exact), what);
}

// sqrt(square) lies between the midpoints from r to its neighbours.
void CheckRoot(const std::function<double()>& compute, const Rational& square, std::string_view what) {
  const std::optional<double> r = OrOverflow(compute);
  if (!r) {
    Require(square >= OverflowFrom() * OverflowFrom(), what);
    return;
  }
  if (*r > 0) {
    const Rational below = (Rational(std::nextafter(*r, 0.0)) + Rational(*r)) / 2;
    Require(below * below <= square, what);
  }
  if (const double next = std::nextafter(*r, INFINITY); std::isfinite(next)) {
    const Rational above = (Rational(next) + Rational(*r)) / 2;
    Require(square <= above * above, what);
  }
}

// The label's hundredths: |v|·100 rounded half up, with v's sign. On the
// numerator and denominator alone: a fraction reduced after each step costs
// milliseconds with a thousand digits.
void CheckHundredths(const pr::Hundredths& shown, const Rational& v, std::string_view what) {
  const pr::exact::Integer n = abs(numerator(v));
  const pr::exact::Integer& d = denominator(v);
  Require(shown.magnitude == (200 * n + d) / (2 * d), what);
  Require(shown.sign == (v < 0 ? -1 : v > 0 ? 1 : 0), what);
}

// The same for √square: floor((floor(√(40000·square)) + 1) / 2).
void CheckRootHundredths(const pr::Hundredths& shown, const Rational& square, std::string_view what) {
  const pr::exact::Integer scaled = 40000 * numerator(square) / denominator(square);
  Require(shown.magnitude == (sqrt(scaled) + 1) / 2, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::array<pr::ExactDecimal, 6> exact;
  std::array<Rational, 6> v;
  for (std::size_t i = 0; i < 6; ++i) {
    const std::size_t end = bytes.find('\n');
    const std::string_view line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    const std::optional<double> val = OrOverflow([&] { return pr::Val(line); });
    std::optional<pr::ExactReading> reading;
    try {
      reading = pr::ValExactly(line);
    } catch (const pr::RuntimeError&) {
    }
    Require(reading.has_value() == val.has_value(), "ValExactly overflows where Val does");
    if (!reading) return 0;
    Require(reading->value == *val, "ValExactly gives Val's double");
    v[i] = reading->exact.ToRational();
    Require(pr::exact::QuotientToDouble(numerator(v[i]), denominator(v[i])) == *val,
            "the exact value rounds to Val's double");
    exact[i] = std::move(reading->exact);
  }
  const std::array<pr::ExactPoint, 3> p = {{{exact[0], exact[1]}, {exact[2], exact[3]}, {exact[4], exact[5]}}};
  const pr::OnOneScale<6> points({&exact[0], &exact[1], &exact[2], &exact[3], &exact[4], &exact[5]});
  const auto square = [&](int a, int b) {
    const Rational dx = v[2 * a] - v[2 * b];
    const Rational dy = v[2 * a + 1] - v[2 * b + 1];
    return Rational(dx * dx + dy * dy);
  };
  CheckRoot([&] { return pr::SideBetween(points, 0, 1).length; }, square(0, 1), "distance P1-P2");
  CheckRoot([&] { return pr::SideBetween(points, 1, 2).length; }, square(1, 2), "distance P2-P3");
  const Rational cross = (v[2] - v[0]) * (v[5] - v[1]) - (v[3] - v[1]) * (v[4] - v[0]);
  CheckRounded([&] { return pr::AreaOf(points).value; }, Magnitude(cross) / 2, "area");
  try {
    CheckRootHundredths(pr::SideBetween(points, 0, 1).shown, square(0, 1), "P1-P2 rounded once");
    CheckHundredths(pr::AreaOf(points).shown, Magnitude(cross) / 2, "the area rounded once");
  } catch (const pr::RuntimeError&) {
    // Beyond a double: the label is never written.
  }

  const pr::ExactLine line(p[0], p[1]);
  Require(line.IsVertical() == (v[0] == v[2]), "vertical exactly when x1 = x2");
  if (line.IsVertical()) return 0;
  const Rational m = (v[3] - v[1]) / (v[2] - v[0]);
  CheckRounded([&] { return line.Slope(); }, m, "slope");
  CheckRounded([&] { return line.Intercept(); }, Rational(v[1] - m * v[0]), "intercept");
  Require(line.IsHorizontal() == (m == 0), "horizontal exactly when y1 = y2");
  if (!line.IsHorizontal()) CheckRounded([&] { return line.PerpendicularSlope(); }, Rational(-1 / m), "-1/m");
  CheckHundredths(line.RoundedSlope(), m, "m rounded once");
  CheckHundredths(line.RoundedIntercept(), Rational(v[1] - m * v[0]), "q rounded once");
  return 0;
}
