#pragma once

#include <span>

#include "geometry/sweep/TracedLine.h"

namespace pr {
class Surface;
class RasterSurface;

// The sweep walks x from -fs while x <= fs: it has a step only when
// -fs <= fs, so a negative full scale traces nothing.
inline bool SweepHasSteps(double fullScale) { return -fullScale <= fullScale; }

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

// The reference: one PSet per line per step, x accumulated step by step.
void PlainSweep(Surface& surface, double fullScale, std::span<const TracedLine> lines);

// The same pixels as PlainSweep on the raster, in time bounded by the
// raster's size and the number of binades the sweep crosses, not by its
// number of steps.
void FastSweep(RasterSurface& raster, double fullScale, std::span<const TracedLine> lines);

}  // namespace pr
