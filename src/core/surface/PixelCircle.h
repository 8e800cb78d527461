#pragma once

#include <algorithm>
#include <cmath>

namespace pr {

namespace pixel_circle_detail {

// The ring's distance from the centre, in whole cells, at `offset` cells
// across.
inline double RoundedDistance(double radius, double offset) {
  return std::floor(std::sqrt(std::max(radius * radius - offset * offset, 0.0)) + 0.5);
}

// How far across each half reaches: up to where the ring turns through 45
// degrees, that is while the offset across is no more than the rounded
// distance along. Stopping at radius / sqrt(2) would leave a gap there; the
// rounding moves the turn by less than one cell.
inline double ReachOf(double radius) {
  const double reach = std::floor(radius / std::sqrt(2.0));
  return reach + 1.0 <= RoundedDistance(radius, reach + 1.0) ? reach + 1.0 : reach;
}

// One half of the ring: for each cell along `across` within `reach` of the
// centre, the two cells along `along` at the ring's distance, rounded. Run
// once over columns and once over rows, each half covers the octants where
// the ring is steeper than 45 degrees in its direction, so the ring has one
// pixel per step and no gaps. Only cells on the raster are visited.
template <class Plot>
void SweepHalf(double centreAcross, double centreAlong, double radius, double reach, int acrossCount, int alongCount,
               Plot&& plot) {
  const double first = std::max(centreAcross - reach, 0.0);
  const double last = std::min(centreAcross + reach, static_cast<double>(acrossCount) - 1.0);
  if (!(first <= last)) return;
  for (int across = static_cast<int>(first); across <= static_cast<int>(last); ++across) {
    const double offset = across - centreAcross;
    const double distance = RoundedDistance(radius, offset);
    for (const double along : {centreAlong - distance, centreAlong + distance}) {
      if (along >= 0.0 && along < alongCount) plot(across, static_cast<int>(along));
    }
  }
}

}  // namespace pixel_circle_detail

// An unfilled circle one pixel wide around the centre cell (cx, cy), radius
// in pixels, the same in x and y. A radius below half a pixel sets the centre
// cell alone. Rings of radii growing in small steps around one centre fill a
// solid disc: the point markers are drawn that way. The work is bounded by
// the raster's size whatever the radius. A negative or non-finite radius, or
// a non-finite centre, draws nothing. plot(x, y) receives only on-raster cells
// (a cell may come twice).
template <class Plot>
void StepPixelCircle(double cx, double cy, double radius, int width, int height, Plot&& plot) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !(radius >= 0.0) || !std::isfinite(radius * radius)) return;
  const double reach = pixel_circle_detail::ReachOf(radius);
  pixel_circle_detail::SweepHalf(cx, cy, radius, reach, width, height, plot);
  pixel_circle_detail::SweepHalf(cy, cx, radius, reach, height, width,
                                 [&plot](int row, int column) { plot(column, row); });
}

}  // namespace pr
