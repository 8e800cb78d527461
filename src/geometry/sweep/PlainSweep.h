#pragma once

#include <span>

#include "geometry/sweep/TracedLine.h"

namespace pr {
class Surface;

// The reference sweep: one PSet per line per step, x accumulated step by step.
void PlainSweep(Surface& surface, double fullScale, std::span<const TracedLine> lines);

}  // namespace pr
