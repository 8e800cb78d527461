#pragma once

#include "core/surface/RasterSurface.h"

namespace pr::figure {

// The plot square as the raster holds it: from pixel (0, 0) through the cell
// of twip 6400, where the last grid line and the axes' ends are drawn, so
// 427 pixels a side at 15 twips per pixel and 854 at 7.5, with the dots'
// squares that reach past that cell (855 at 7.5 with dots two pixels wide,
// as at scale 2). Clipped to the raster when the window is smaller than the
// square.
PixelRect FigurePixels(const RasterSurface& raster);

}  // namespace pr::figure
