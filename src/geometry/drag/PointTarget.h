#pragma once

#include <optional>

#include "geometry/CommandInput.h"
#include "plot/WorldToPlot.h"

namespace pr::drag {

// What the student points with: a finger needs a larger target.
enum class PointerKind { Mouse, Pen, Touch };

// A pointer position in the raster's device pixels as plot twips.
inline PlotPoint PointerTwips(double deviceX, double deviceY, double twipsPerPixel) {
  return {deviceX * twipsPerPixel, deviceY * twipsPerPixel};
}

// The width of the target around a point, in twips of the form: 24 logical
// pixels of the screen across for a mouse or a pen, 44 for a finger (the
// sizes pointing guidelines ask for), growing with the form above 100 % so
// that on a projector it stays in proportion with the figure; a form shrunk
// to fit a phone keeps them, a finger being no smaller there.
double TargetDiameterTwips(PointerKind kind, double logicalDpi, double formScale);

// The point a press at `pointer` (plot twips) grabs: 0, 1 or 2 for P1, P2,
// P3, the nearest whose marker centre lies within half the target's width;
// on a tie the one drawn on top (P3 over P2 over P1). Nothing for a full
// scale of 0 (no marker drawn) or a point outside the plot square. `input`
// is what a command that drew the markers read, so its mapping is finite.
std::optional<int> PointUnder(const CommandInput& input, PlotPoint pointer, double targetDiameterTwips);

}  // namespace pr::drag
