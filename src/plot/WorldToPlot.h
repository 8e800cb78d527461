#pragma once

#include "core/Point.h"

namespace pr {

// Plot coordinates in twips, still in double: they are narrowed to single
// only when handed to the surface.
using PlotPoint = Coordinates<struct PlotTwips>;

// Twips per world unit for a full scale: 3200 / fullScale. Raises Overflow
// when the full scale is so small that the factor overflows. Never called
// with 0: the commands stop first.
double PlotScale(double fullScale);

// Maps a world point: x to the right of the centre, y up from it (the
// surface's y grows downwards). The factor 3200 / fs is formed first and
// the coordinate multiplied by it, as the old program did, so results agree
// to the last bit. A negative full scale mirrors through the origin. The
// result may be huge or infinite: such a point is simply off the surface.
PlotPoint WorldToPlot(Point p, double fullScale);
// The same with the factor already formed (the sweep maps millions of dots).
PlotPoint WorldToPlotScaled(Point p, double scale);

}  // namespace pr
