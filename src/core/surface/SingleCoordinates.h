#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace pr {

// The nearest single to a plot coordinate, or nothing when the coordinate is
// not finite or lies beyond the single range (it is then off the surface).
inline std::optional<float> NarrowToSingle(double twips) {
  if (!std::isfinite(twips)) return std::nullopt;
  if (std::fabs(twips) > static_cast<double>(std::numeric_limits<float>::max())) {
    return std::nullopt;
  }
  return static_cast<float>(twips);
}

// The pixel cell along one axis that a single coordinate falls into, with
// `count` cells of `twipsPerPixel` twips each starting at 0. Saturated:
// -1 means before the first cell, `count` past the last. Monotone in the
// coordinate, and the only place where twips become pixel indices, so every
// drawing operation and the fast line sweep agree to the pixel.
inline int CellOf(float twips, double twipsPerPixel, int count) {
  const double cell = std::floor(static_cast<double>(twips) / twipsPerPixel);
  if (!(cell >= 0.0)) return -1;  // also catches NaN
  if (cell >= static_cast<double>(count)) return count;
  return static_cast<int>(cell);
}

// The pixel cell of a plot coordinate as the drawing operations find it:
// narrowed to single first; a coordinate beyond the single range (or not
// finite) lies off the raster on its own side. PSet and the fast line sweep
// both place dots through this, so they agree to the pixel.
inline int CellOfTwips(double twips, double twipsPerPixel, int count) {
  const std::optional<float> single = NarrowToSingle(twips);
  if (!single) return twips < 0 ? -1 : count;
  return CellOf(*single, twipsPerPixel, count);
}

}  // namespace pr
