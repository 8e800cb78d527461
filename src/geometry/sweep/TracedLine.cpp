#include "geometry/sweep/TracedLine.h"

#include "core/numbers/CheckedMath.h"

namespace pr {

Point DotAt(const TracedLine& line, double x, double fullScale) {
  switch (line.kind) {
    case TracedLine::Kind::VerticalAxis:
      return {0.0, x};
    case TracedLine::Kind::Sloped:
      break;
  }
  const double y = checked::Add(checked::Mul(line.slope, x), line.intercept);
  // Below the plot the dots run along its bottom edge; above it they are
  // simply off the surface, so there is no upper clamp.
  return {x, y < -fullScale ? -fullScale : y};
}

}  // namespace pr
