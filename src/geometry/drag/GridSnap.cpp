#include "geometry/drag/GridSnap.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/TypedText.h"
#include "plot/PlotArea.h"

namespace pr::drag {
namespace {

// Tenths and hundredths are a shift of the decimal exponent.
std::int64_t DecimalsOf(Snap snap) { return snap == Snap::Grid ? 1 : 2; }

// The nearest whole number of grid steps from the centre along one axis,
// `offset` twips towards the positive side; clamped before it becomes an
// integer, so no pointer far off the plot can overflow it.
int NearestStep(double offset, int divisions) {
  const double steps =
      std::clamp(offset / plot::kOrigin * divisions, -static_cast<double>(divisions), static_cast<double>(divisions));
  return static_cast<int>(std::lround(steps));
}

ExactDecimal Multiple(const ExactDecimal& fullScale, int steps, Snap snap) {
  return {fullScale.significand * steps, fullScale.exponent - DecimalsOf(snap)};
}

}  // namespace

GridPlace SnapToGrid(PlotPoint pointer, Snap snap) {
  const int divisions = Divisions(snap);
  // The surface's y grows downwards, the world's upwards.
  return {NearestStep(pointer.x - plot::kOrigin, divisions), NearestStep(plot::kOrigin - pointer.y, divisions), snap};
}

CoordinateTexts TextsAt(const GridPlace& place, const ExactDecimal& fullScale) {
  return {TypedText(Multiple(fullScale, place.column, place.snap)),
          TypedText(Multiple(fullScale, place.row, place.snap))};
}

ExactDecimal GridStep(const ExactDecimal& fullScale, Snap snap) {
  return {exact::Integer(boost::multiprecision::abs(fullScale.significand)), fullScale.exponent - DecimalsOf(snap)};
}

}  // namespace pr::drag
