#include "geometry/PointMarkers.h"

#include <array>

#include "core/surface/Surface.h"

namespace pr {

void DrawPointMarkers(Surface& surface, const CommandInput& input) {
  std::array<PlotPoint, 3> centres;
  for (int i = 0; i < 3; ++i) centres[i] = WorldToPlot(input.PointAt(i), input.fullScale);

  // Radius outside, point inside: at each radius P3 is drawn last, so where
  // markers overlap the later point shows ring by ring.
  for (int radius = 1; radius <= kMarkerRadius; ++radius) {
    for (int i = 0; i < 3; ++i) {
      surface.Circle(centres[i].x, centres[i].y, radius, kPointColours[i]);
    }
  }
}

}  // namespace pr
