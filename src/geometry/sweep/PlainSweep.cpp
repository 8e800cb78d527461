#include "geometry/sweep/PlainSweep.h"

#include <vector>

#include "core/surface/Surface.h"
#include "geometry/sweep/SweepSteps.h"

namespace pr {

void PlainSweep(Surface& surface, double fullScale, std::span<const TracedLine> lines) {
  if (!SweepHasSteps(fullScale)) return;
  const double scale = PlotScale(fullScale);
  std::vector<Point> dots(lines.size());
  for (double x = -fullScale; x <= fullScale; x = NextSweepX(x)) {
    // Every dot of the step is computed before any is set, so an overflow
    // leaves the step wholly undrawn.
    for (std::size_t i = 0; i < lines.size(); ++i) dots[i] = DotAt(lines[i], x);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (!SweepDraws(dots[i], fullScale)) continue;
      const PlotPoint at = WorldToPlotScaled(dots[i], scale);
      surface.PSet(at.x, at.y, lines[i].colour);
    }
  }
}

}  // namespace pr
