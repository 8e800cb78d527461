#pragma once

#include <vector>

namespace pr {

// Where along one axis of the raster each pixel cell begins, as a plot
// coordinate in double: the dot's coordinate is narrowed to single and then
// divided into cells, so the cell changes halfway between two singles, not
// at the multiple of the pixel size itself. The fast sweep aims its
// searches there.
class SweepCellEdges {
 public:
  SweepCellEdges(double twipsPerPixel, int count);

  // About the smallest plot coordinate whose cell is `cell` or later, for
  // cell in [0, count]; any double at or above it lands there (a tie with
  // the midpoint may round either way).
  double Entering(int cell) const { return edges_[static_cast<std::size_t>(cell)]; }

 private:
  std::vector<double> edges_;
};

}  // namespace pr
