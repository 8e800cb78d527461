#include "geometry/drag/PointTarget.h"

#include <algorithm>
#include <cmath>

#include "core/form/Twips.h"
#include "plot/PlotArea.h"

namespace pr::drag {
namespace {

double TargetPixels(PointerKind kind) { return kind == PointerKind::Touch ? 44.0 : 24.0; }

bool InsidePlot(PlotPoint p) { return p.x >= 0 && p.x <= plot::kSide && p.y >= 0 && p.y <= plot::kSide; }

}  // namespace

double TargetDiameterTwips(PointerKind kind, double logicalDpi, double formScale) {
  // A logical pixel of the screen covers kTwipsPerInch / (dpi * scale)
  // twips of the form; above 100 % the target grows by the scale.
  return TargetPixels(kind) * kTwipsPerInch / (logicalDpi * std::min(formScale, 1.0));
}

std::optional<int> PointUnder(const CommandInput& input, PlotPoint pointer, double targetDiameterTwips) {
  if (FullScaleGuardStops(input)) return std::nullopt;
  std::optional<int> nearest;
  double nearestDistance = targetDiameterTwips / 2;
  for (int i = 0; i < 3; ++i) {
    const PlotPoint centre = WorldToPlot(input.PointAt(i), input.fullScale);
    if (!InsidePlot(centre)) continue;
    const double distance = std::hypot(pointer.x - centre.x, pointer.y - centre.y);
    // Later points are drawn over earlier ones: on a tie the later wins.
    if (distance <= nearestDistance) {
      nearest = i;
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace pr::drag
