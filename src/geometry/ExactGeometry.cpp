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

double ExactDistance(const ExactPoint& a, const ExactPoint& b) {
  const OnOneScale<4> s({&a.x, &a.y, &b.x, &b.y});
  const Integer dx = s.values[2] - s.values[0];
  const Integer dy = s.values[3] - s.values[1];
  const Integer squares = dx * dx + dy * dy;
  const std::int64_t exponent = 2 * s.unit;
  if (exponent >= 0) return exact::SqrtQuotientToDouble(squares * PowerOfTen(exponent), 1);
  return exact::SqrtQuotientToDouble(squares, PowerOfTen(-exponent));
}

double ExactArea(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c) {
  const OnOneScale<6> s({&a.x, &a.y, &b.x, &b.y, &c.x, &c.y});
  const Integer cross = (s.values[2] - s.values[0]) * (s.values[5] - s.values[1]) -
                        (s.values[3] - s.values[1]) * (s.values[4] - s.values[0]);
  return ScaledToDouble(abs(cross), 2 * s.unit, 2);
}

ExactLine::ExactLine(const ExactPoint& a, const ExactPoint& b) {
  const OnOneScale<4> s({&a.x, &a.y, &b.x, &b.y});
  run_ = s.values[2] - s.values[0];
  rise_ = s.values[3] - s.values[1];
  if (run_ < 0) {
    run_ = -run_;
    rise_ = -rise_;
  }
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

}  // namespace pr
