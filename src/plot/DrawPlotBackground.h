#pragma once

#include "core/surface/Surface.h"

namespace pr {

// The dotted Cartesian plane: 21 vertical dotted lines (dots 40 twips
// apart), 21 horizontal ones (dots 42 apart), the two axes in black, then the
// red edge dot at (0, 4000) and the black one at (0, 2000), each set twice.
// Draws on top of whatever is there; it does not clear.
void DrawPlotBackground(Surface& surface);

}  // namespace pr
