#include "geometry/OnOneLine.h"

#include <cmath>
#include <limits>

namespace pr {
namespace {

// The most one correctly rounded operation moves a normal result, relative
// to it: half an ulp, u = 2^-53.
constexpr double kHalfUlp = std::numeric_limits<double>::epsilon() / 2;

// The bound is itself formed in rounded arithmetic, from the computed
// differences, and leaves out products of two roundings: each moves it by a
// few u relative to itself, far less than the part in a million added.
constexpr double kRoundUp = 1 + 1e-6;

// A difference of two coordinates, and how far it can be from the
// difference of the numbers as typed.
struct Difference {
  double value;
  double spread;
};

// Each coordinate is its typed number correctly rounded: off by at most
// u·|x|, or half the smallest step below the normal range. Each term is
// scaled before adding, so coordinates near the largest double do not make
// the spread overflow.
Difference Between(double from, double to) {
  const double reading = kHalfUlp * std::fabs(from) + kHalfUlp * std::fabs(to);
  return {to - from, reading + std::numeric_limits<double>::denorm_min()};
}

// How far the product of two differences can be from the product of the
// typed differences: (d + e)(d' + e') - d d' for errors e, e' up to the
// spreads.
double ReadingError(const Difference& d1, const Difference& d2) {
  return d1.spread * std::fabs(d2.value) + std::fabs(d1.value) * d2.spread + d1.spread * d2.spread;
}

}  // namespace

// The cross product ux·vy - uy·vx of the sides from a to b and from a to c
// is 0 exactly when the three points are on one line. The computed one
// differs from that of the typed points in two ways:
// - reading: the differences are those of rounded coordinates (above);
// - arithmetic: each difference, each product and the subtraction are
//   rounded once, each off by at most u relative: 4u·(|ux·vy| + |uy·vx|).
// A cross product within the sum of the two cannot be told from 0. A
// triangle far from the origin whose coordinates are exact is then judged
// by its arithmetic alone: (10^15; 0), (10^15 + 10; 0), (10^15; 1) has
// cross product 10 against a bound of 0.22.
bool OnOneLine(Point a, Point b, Point c) {
  const Difference ux = Between(a.x, b.x);
  const Difference uy = Between(a.y, b.y);
  const Difference vx = Between(a.x, c.x);
  const Difference vy = Between(a.y, c.y);
  const double uxvy = ux.value * vy.value;
  const double uyvx = uy.value * vx.value;
  const double cross = uxvy - uyvx;
  const double arithmetic = 4 * kHalfUlp * (std::fabs(uxvy) + std::fabs(uyvx));
  const double reading = ReadingError(ux, vy) + ReadingError(uy, vx);
  // An infinite cross product is a huge triangle, not a flat one: Heron's
  // formula then reports the overflow.
  return std::isfinite(cross) && std::fabs(cross) <= kRoundUp * (arithmetic + reading);
}

}  // namespace pr
