#pragma once

#include <span>

#include "geometry/sweep/TracedLine.h"

namespace pr {
class RasterSurface;

// The same pixels as PlainSweep on the raster, in time bounded by the
// raster's size and the number of binades the sweep crosses, not by its
// number of steps.
void FastSweep(RasterSurface& raster, double fullScale, std::span<const TracedLine> lines);

}  // namespace pr
