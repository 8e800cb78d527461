#pragma once

#include <span>

#include "geometry/TracedLine.h"

namespace pr {
class Surface;
class RasterSurface;

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
