#include "plot/FigurePixels.h"

#include <algorithm>

#include "plot/PlotArea.h"

namespace pr::figure {

PixelRect FigurePixels(const RasterSurface& raster) {
  // A dot's square reaches DotSize() / 2 pixels past its own cell.
  const int reach = 1 + raster.DotSize() / 2;
  const int width = std::min(raster.ColumnOf(plot::kSide) + reach, raster.Width());
  const int height = std::min(raster.RowOf(plot::kSide) + reach, raster.Height());
  return {0, 0, width, height};
}

}  // namespace pr::figure
