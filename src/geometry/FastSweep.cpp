// Temporary: the fast sweep is being written; until then it runs the plain one.
#include "geometry/LineSweep.h"
#include "app/surface/RasterSurface.h"

namespace pr {

void FastSweep(RasterSurface& raster, double fullScale, std::span<const TracedLine> lines) {
  PlainSweep(raster, fullScale, lines);
}

}  // namespace pr
