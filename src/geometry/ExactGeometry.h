#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/numbers/Hundredths.h"
#include "geometry/CommandInput.h"

// The numbers the commands show and draw, computed exactly from the points
// as typed, once: each is kept exact for the working, rounded once to two
// decimals for its label and once to a double where something needs one.
// Each raises Overflow only when its own result is beyond the largest double.
namespace pr {

// Decimals as integer multiples of one unit 10^unit, the finest of theirs:
// their differences and products are then exact without any fraction.
// (For N = 4 and 6: two points, three points.)
template <std::size_t N>
struct OnOneScale {
  std::array<exact::Integer, N> values;
  std::int64_t unit = 0;

  explicit OnOneScale(const std::array<const ExactDecimal*, N>& numbers);
};

// The three points of a command, x1, y1, x2, y2, x3, y3 on one scale.
OnOneScale<6> PointsOnOneScale(const CommandInput& input);

// The side from point a to point b (0, 1, 2): its length is √square·10^unit.
struct ExactSide {
  exact::Integer dx;         // xb − xa, in units of 10^unit
  exact::Integer dy;         // yb − ya
  exact::Integer dxSquared;  // in units of 10^(2·unit)
  exact::Integer dySquared;
  exact::Integer square;  // dx² + dy²
  double length = 0;      // the nearest double: Overflow where it has none
  Hundredths shown;       // the length rounded once, as its label shows it
};
ExactSide SideBetween(const OnOneScale<6>& points, int a, int b);

// Half the absolute cross product: Heron's area without its cancellation,
// and exactly 0 for three points on one line as typed.
struct ExactArea {
  // x1·(y2 − y3), x2·(y3 − y1), x3·(y1 − y2), in units of 10^(2·unit)...
  std::array<exact::Integer, 3> terms;
  exact::Integer cross;  // ...and their sum, twice the signed area
  double value = 0;      // |cross|/2 as the nearest double: Overflow where it has none
  Hundredths shown;      // |cross|/2 rounded once, as its label shows it
};
ExactArea AreaOf(const OnOneScale<6>& points);

// The semiperimeter (a + b + c)/2 of three sides, rounded once.
Hundredths RoundedSemiperimeter(const std::array<ExactSide, 3>& sides, std::int64_t unit);

// The line y = m·x + q through a and b, and the slope -1/m of its
// perpendicular, from one exact slope.
class ExactLine {
 public:
  ExactLine(const ExactPoint& a, const ExactPoint& b);

  bool IsVertical() const;            // xa = xb: no y = m·x + q
  bool IsHorizontal() const;          // ya = yb: m = 0, no finite -1/m
  double Slope() const;               // (yb - ya) / (xb - xa); not vertical
  double Intercept() const;           // ya - m·xa; not vertical
  double PerpendicularSlope() const;  // -1/m; neither vertical nor horizontal
  // The same rounded once to two decimals; they never overflow.
  Hundredths RoundedSlope() const;
  Hundredths RoundedIntercept() const;
  Hundredths RoundedPerpendicularSlope() const;

  // The integers below, for whoever writes these numbers out exactly.
  const exact::Integer& Dx() const { return dx_; }  // xb − xa
  const exact::Integer& Dy() const { return dy_; }  // yb − ya
  const exact::Integer& Run() const { return run_; }
  const exact::Integer& Rise() const { return rise_; }
  const exact::Integer& Crossing() const { return crossing_; }
  std::int64_t Unit() const { return unit_; }

 private:
  // Everything in integers of one unit 10^unit_: m = rise_ / run_ with
  // run_ = |dx_| > 0, and ya·run_ - rise_·xa = crossing_, so
  // q = crossing_ / run_ · 10^unit_.
  exact::Integer dx_;
  exact::Integer dy_;
  exact::Integer run_;
  exact::Integer rise_;
  exact::Integer crossing_;
  std::int64_t unit_ = 0;
};

}  // namespace pr
