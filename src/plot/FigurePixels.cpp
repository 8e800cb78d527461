#include "plot/FigurePixels.h"

#include <algorithm>

#include "plot/PlotArea.h"

namespace pr::figure {

PixelRect FigurePixels(const RasterSurface& raster) {
  const int width = std::min(raster.ColumnOf(plot::kSide) + 1, raster.Width());
  const int height = std::min(raster.RowOf(plot::kSide) + 1, raster.Height());
  return {0, 0, width, height};
}

}  // namespace pr::figure
