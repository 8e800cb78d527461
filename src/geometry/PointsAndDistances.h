#pragma once

#include "plot/WorldToPlot.h"

namespace pr {
class Form;

// The body of Command1: the three markers, the distances, the triangle and
// its area.
void RunPointsCommand(Form& form);

// sqrt(dx² + dy²), the x difference squared first. Raises Overflow when a
// square or the sum overflows.
double Distance(Point a, Point b);

// Heron's formula from the three sides. Collinear points can leave the
// product under the root a hair below 0 through rounding; their area is 0.
double HeronArea(double d12, double d13, double d23);

}  // namespace pr
