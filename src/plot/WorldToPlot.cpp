#include "plot/WorldToPlot.h"

#include "core/numbers/CheckedMath.h"
#include "plot/PlotArea.h"

namespace pr {

// Each half-axis is 3200 twips long, whatever the full scale.
double PlotScale(double fullScale) { return checked::Div(plot::kOrigin, fullScale); }

PlotPoint WorldToPlotScaled(Point p, double scale) {
  // The world's y axis points up, the surface's down.
  return {plot::kOrigin + p.x * scale, plot::kOrigin - p.y * scale};
}

PlotPoint WorldToPlot(Point p, double fullScale) { return WorldToPlotScaled(p, PlotScale(fullScale)); }

}  // namespace pr
