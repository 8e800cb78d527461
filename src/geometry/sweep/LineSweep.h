#pragma once

#include <span>

#include "geometry/sweep/SweepSteps.h"
#include "geometry/sweep/TracedLine.h"

namespace pr {
class Surface;

// Up to this full scale the sweep has at most 20001 steps, few enough to set
// one by one.
inline constexpr double kPlainSweepLargestFullScale = 100.0;

// Sets, at each step of the sweep for fullScale, one dot of every line, in
// the order given (a later line's dot covers an earlier one's in the same
// step). When a dot's arithmetic overflows at some step, the dots of the
// earlier steps stay and RuntimeError(Overflow) is raised before any dot of
// that step. Chooses the plain sweep for small step counts or a surface
// without pixels, the fast one otherwise: both leave the same pixels.
void SweepLines(Surface& surface, double fullScale, std::span<const TracedLine> lines);

}  // namespace pr
