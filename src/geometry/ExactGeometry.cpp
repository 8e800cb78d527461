#include "geometry/ExactGeometry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "core/numbers/ExactMath.h"

namespace pr {
namespace {

using exact::Integer;
using exact::PowerOfTen;

// value · 10^exponent as a double, the power on whichever side keeps it whole.
double ScaledToDouble(const Integer& value, std::int64_t exponent, const Integer& divisor = 1) {
  if (exponent >= 0) return exact::QuotientToDouble(value * PowerOfTen(exponent), divisor);
  return exact::QuotientToDouble(value, divisor * PowerOfTen(-exponent));
}

}  // namespace

template <std::size_t N>
OnOneScale<N>::OnOneScale(const std::array<const ExactDecimal*, N>& numbers) {
  std::int64_t finest = std::numeric_limits<std::int64_t>::max();
  for (const ExactDecimal* n : numbers) {
    if (n->significand != 0) finest = std::min(finest, n->exponent);
  }
  unit = finest == std::numeric_limits<std::int64_t>::max() ? 0 : finest;
  for (std::size_t i = 0; i < N; ++i) {
    const ExactDecimal& n = *numbers[i];
    values[i] = n.significand == 0 ? Integer(0) : n.significand * PowerOfTen(n.exponent - unit);
  }
}

template struct OnOneScale<4>;
template struct OnOneScale<6>;

OnOneScale<6> PointsOnOneScale(const CommandInput& input) {
  return OnOneScale<6>(
      {&input.exact1.x, &input.exact1.y, &input.exact2.x, &input.exact2.y, &input.exact3.x, &input.exact3.y});
}

ExactSide SideBetween(const OnOneScale<6>& points, int a, int b) {
  const auto at = [&](int i) -> const Integer& { return points.values[static_cast<std::size_t>(i)]; };
  ExactSide side;
  side.dx = at(2 * b) - at(2 * a);
  side.dy = at(2 * b + 1) - at(2 * a + 1);
  side.dxSquared = side.dx * side.dx;
  side.dySquared = side.dy * side.dy;
  side.square = side.dxSquared + side.dySquared;
  const std::int64_t exponent = 2 * points.unit;
  side.length = exponent >= 0 ? exact::SqrtQuotientToDouble(side.square * PowerOfTen(exponent), 1)
                              : exact::SqrtQuotientToDouble(side.square, PowerOfTen(-exponent));
  side.shown = exact::RoundedRoot(side.square, exponent);
  return side;
}

ExactArea AreaOf(const OnOneScale<6>& points) {
  const auto at = [&](int i) -> const Integer& { return points.values[static_cast<std::size_t>(i)]; };
  ExactArea area;
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3;
    const int k = (i + 2) % 3;
    area.terms[static_cast<std::size_t>(i)] = at(2 * i) * (at(2 * j + 1) - at(2 * k + 1));
  }
  area.cross = area.terms[0] + area.terms[1] + area.terms[2];
  area.value = ScaledToDouble(abs(area.cross), 2 * points.unit, 2);
  area.shown = exact::RoundedQuotient(abs(area.cross), 2, 2 * points.unit);
  return area;
}

Hundredths RoundedSemiperimeter(const std::array<ExactSide, 3>& sides, std::int64_t unit) {
  return exact::RoundedHalfSumOfRoots(sides[0].square, sides[1].square, sides[2].square, 2 * unit);
}

ExactLine::ExactLine(const ExactPoint& a, const ExactPoint& b) {
  const OnOneScale<4> s({&a.x, &a.y, &b.x, &b.y});
  dx_ = s.values[2] - s.values[0];
  dy_ = s.values[3] - s.values[1];
  run_ = abs(dx_);
  rise_ = dx_ < 0 ? Integer(-dy_) : dy_;
  crossing_ = s.values[1] * run_ - rise_ * s.values[0];
  unit_ = s.unit;
}

bool ExactLine::IsVertical() const { return run_ == 0; }
bool ExactLine::IsHorizontal() const { return rise_ == 0; }

double ExactLine::Slope() const { return exact::QuotientToDouble(rise_, run_); }

double ExactLine::Intercept() const { return ScaledToDouble(crossing_, unit_, run_); }

double ExactLine::PerpendicularSlope() const {
  return rise_ > 0 ? exact::QuotientToDouble(-run_, rise_) : exact::QuotientToDouble(run_, -rise_);
}

Hundredths ExactLine::RoundedSlope() const { return exact::RoundedQuotient(rise_, run_, 0); }

Hundredths ExactLine::RoundedIntercept() const { return exact::RoundedQuotient(crossing_, run_, unit_); }

Hundredths ExactLine::RoundedPerpendicularSlope() const {
  return rise_ > 0 ? exact::RoundedQuotient(-run_, rise_, 0) : exact::RoundedQuotient(run_, -rise_, 0);
}

}  // namespace pr
