#pragma once

#include "plot/WorldToPlot.h"

namespace pr {

// Whether three points lie on one line as far as their coordinates can
// tell: their cross product is within what the rounding of the typed
// numbers and of the test's own arithmetic can produce. Heron's formula
// works from rounded side lengths and gives such a triangle hundredths far
// from the origin and whole units from 10^4; its area is 0.
bool OnOneLine(Point a, Point b, Point c);

}  // namespace pr
