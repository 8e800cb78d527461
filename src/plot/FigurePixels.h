#pragma once

#include "core/surface/RasterSurface.h"

namespace pr::figure {

// The plot square as the raster holds it: from pixel (0, 0) through the cell
// of twip 6400, where the last grid line and the axes' ends are drawn, so
// 427 pixels a side at 15 twips per pixel and 854 at 7.5. Clipped to the
// raster when the window is smaller than the square.
PixelRect FigurePixels(const RasterSurface& raster);

}  // namespace pr::figure
