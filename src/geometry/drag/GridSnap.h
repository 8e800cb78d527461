#pragma once

#include <string>

#include "core/numbers/ExactDecimal.h"
#include "plot/WorldToPlot.h"

namespace pr::drag {

// How finely a moved point snaps: to a tenth of the full scale, one cell of
// the plotted grid, or (Shift held) to a hundredth.
enum class Snap { Grid, Fine };

inline int Divisions(Snap snap) { return snap == Snap::Grid ? 10 : 100; }

// A place on the snapping grid: the point (column; row) times the full
// scale over Divisions(snap). Column and row lie in [-Divisions, Divisions],
// the plot square.
struct GridPlace {
  int column = 0;
  int row = 0;
  Snap snap = Snap::Grid;
  friend bool operator==(const GridPlace&, const GridPlace&) = default;
};

// The place nearest a pointer (plot twips), kept inside the plot square. It
// is counted from the plot's centre in fractions of a half-axis, whatever
// the full scale: a negative full scale mirrors the world coordinates, and
// the point they map to stays under the pointer.
GridPlace SnapToGrid(PlotPoint pointer, Snap snap);

// The two boxes of a point at a place, as a student would type them,
// computed exactly from the full scale as typed: column · fs / 10 is "2.1"
// for fs 7, never "2.0999999999999996".
struct CoordinateTexts {
  std::string x;
  std::string y;
  friend bool operator==(const CoordinateTexts&, const CoordinateTexts&) = default;
};
CoordinateTexts TextsAt(const GridPlace& place, const ExactDecimal& fullScale);

// One step of the grid, exactly: |fs| / Divisions(snap).
ExactDecimal GridStep(const ExactDecimal& fullScale, Snap snap);

}  // namespace pr::drag
