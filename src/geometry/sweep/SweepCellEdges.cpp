#include "geometry/sweep/SweepCellEdges.h"

#include <cmath>
#include <limits>

#include "core/surface/SingleCoordinates.h"

namespace pr {

namespace {

constexpr float kUp = std::numeric_limits<float>::infinity();

// The smallest single that CellOf puts in `cell` or later.
float FirstSingleOf(int cell, double twipsPerPixel, int count) {
  float single = static_cast<float>(cell * twipsPerPixel);
  while (CellOf(single, twipsPerPixel, count) < cell) single = std::nextafter(single, kUp);
  for (float below = std::nextafter(single, -kUp); CellOf(below, twipsPerPixel, count) >= cell;
       below = std::nextafter(single, -kUp)) {
    single = below;
  }
  return single;
}

}  // namespace

SweepCellEdges::SweepCellEdges(double twipsPerPixel, int count) {
  edges_.reserve(static_cast<std::size_t>(count) + 1);
  for (int cell = 0; cell <= count; ++cell) {
    const float first = FirstSingleOf(cell, twipsPerPixel, count);
    // Doubles above the midpoint to the single below narrow to `first`.
    edges_.push_back((static_cast<double>(first) + static_cast<double>(std::nextafter(first, -kUp))) / 2);
  }
}

}  // namespace pr
