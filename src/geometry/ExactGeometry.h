#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "geometry/CommandInput.h"

// The numbers the commands show and draw, computed exactly from the points
// as typed and rounded once to a double at the end. Each raises Overflow
// only when its own result is beyond the largest double.
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

// sqrt((xb - xa)² + (yb - ya)²).
double ExactDistance(const ExactPoint& a, const ExactPoint& b);

// Half the absolute cross product of the sides from a to b and from a to c:
// Heron's area without its cancellation, and exactly 0 for three points on
// one line as typed.
double ExactArea(const ExactPoint& a, const ExactPoint& b, const ExactPoint& c);

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

  // The integers below, for whoever writes these numbers out exactly.
  const exact::Integer& Run() const { return run_; }
  const exact::Integer& Rise() const { return rise_; }
  const exact::Integer& Crossing() const { return crossing_; }
  std::int64_t Unit() const { return unit_; }

 private:
  // Everything in integers of one unit 10^unit_: m = rise_ / run_ with
  // run_ > 0, and ya·run_ - rise_·xa = crossing_, so q = crossing_ / run_ · 10^unit_.
  exact::Integer run_;
  exact::Integer rise_;
  exact::Integer crossing_;
  std::int64_t unit_ = 0;
};

}  // namespace pr
