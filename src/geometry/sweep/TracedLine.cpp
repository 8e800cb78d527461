#include "geometry/sweep/TracedLine.h"

#include "core/numbers/CheckedMath.h"

namespace pr {

Point DotAt(const TracedLine& line, double x) {
  switch (line.kind) {
    case TracedLine::Kind::VerticalAxis:
      return {0.0, x};
    case TracedLine::Kind::Sloped:
      break;
  }
  return {x, checked::Add(checked::Mul(line.slope, x), line.intercept)};
}

}  // namespace pr
