#pragma once

#include "core/surface/Colour.h"
#include "geometry/CommandInput.h"

namespace pr {
class Surface;

inline constexpr Colour kPointColours[3] = {colours::kRed, colours::kBlue, colours::kGreen};
inline constexpr int kMarkerRadius = 30;

// Thirty concentric circles of radius 1 to 30 twips per point, interleaved
// by radius (P1, P2, P3 at radius 1, then at 2, ...), so where markers
// overlap the later point shows.
void DrawPointMarkers(Surface& surface, const CommandInput& input);

}  // namespace pr
