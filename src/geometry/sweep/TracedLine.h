#pragma once

#include "core/surface/Colour.h"
#include "plot/WorldToPlot.h"

namespace pr {

// One line that the sweep traces, a dot per step.
struct TracedLine {
  enum class Kind {
    // The dot at sweep value x is (x, slope * x + intercept), evaluated in
    // that order in double, lowered to -fs when below it (no upper clamp).
    Sloped,
    // The y axis, x = 0, with the sweep value as ordinate: the dot is (0, x).
    // The perpendicular of a horizontal line.
    VerticalAxis,
  };

  Kind kind = Kind::Sloped;
  double slope = 0.0;
  double intercept = 0.0;
  Colour colour = 0;
};

// The world point of a line's dot at sweep value x. Raises Overflow when
// slope * x or the sum overflows.
Point DotAt(const TracedLine& line, double x, double fullScale);

}  // namespace pr
