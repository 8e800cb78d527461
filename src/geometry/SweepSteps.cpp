#include "geometry/SweepSteps.h"

#include <cmath>
#include <limits>

namespace pr {

double NextSweepX(double x) {
  const double next = x + kSweepStep;
  if (next != x) return next;
  return std::nextafter(x, std::numeric_limits<double>::infinity());
}

}  // namespace pr
