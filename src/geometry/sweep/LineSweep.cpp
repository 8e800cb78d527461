#include "geometry/sweep/LineSweep.h"

#include "core/surface/RasterSurface.h"
#include "geometry/sweep/FastSweep.h"
#include "geometry/sweep/PlainSweep.h"

namespace pr {

void SweepLines(Surface& surface, double fullScale, std::span<const TracedLine> lines) {
  RasterSurface* raster = surface.Raster();
  if (raster == nullptr || fullScale <= kPlainSweepLargestFullScale) {
    PlainSweep(surface, fullScale, lines);
  } else {
    FastSweep(*raster, fullScale, lines);
  }
}

}  // namespace pr
