#pragma once

#include "core/surface/Colour.h"
#include "plot/WorldToPlot.h"

namespace pr {

// One line that the sweep traces, a dot per step.
struct TracedLine {
  enum class Kind {
    // The dot at sweep value x is (x, slope * x + intercept), evaluated in
    // that order in double.
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
Point DotAt(const TracedLine& line, double x);

// Whether the sweep sets a dot: not when it lies below the plot. The old
// program set such a dot on the bottom edge, so a line leaving through that
// edge seemed to bend and run along it; a dot above the plot is simply off
// the surface, but one below would land on the form under the plot.
inline bool SweepDraws(Point dot, double fullScale) { return !(dot.y < -fullScale); }

}  // namespace pr
