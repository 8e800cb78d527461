#pragma once

#include <algorithm>
#include <cmath>
#include <utility>

namespace pr {

// A point in pixel units (twips / twipsPerPixel): pixel (i, j) spans
// [i, i + 1) x [j, j + 1).
struct PixelPoint {
  double x = 0.0;
  double y = 0.0;
};

namespace pixel_line_detail {

// a * b - c * d without the cancellation of the naive form (Kahan's
// difference of products): the line's offset must stay exact to a small
// fraction of a pixel even when an end is 1e30 twips away.
inline double DifferenceOfProducts(double a, double b, double c, double d) {
  const double cd = c * d;
  const double roundingOfCd = std::fma(-c, d, cd);
  return std::fma(a, b, -cd) + roundingOfCd;
}

// Steps along the major axis, one pixel per major cell, from `from` to `to`
// (both pixel centres, the major extent at least the minor one). Only the
// major cells in [0, majorCount) are visited, so the work is bounded by the
// raster whatever the ends. plot(major, minor) receives cells on the raster.
template <class Plot>
void StepMajor(PixelPoint from, PixelPoint to, int majorCount, int minorCount, Plot&& plot) {
  if (from.x > to.x) std::swap(from, to);
  const double first = std::max(std::floor(from.x), 0.0);
  const double last = std::min(std::floor(to.x), static_cast<double>(majorCount) - 1.0);
  if (!(first <= last)) return;

  // The line through the ends as dMinor * major - dMajor * minor = offset,
  // solved for minor at each major cell's centre. Anchoring it at the origin
  // (not at an end that may be far away) keeps the error to a fraction of a
  // pixel wherever the line crosses the raster.
  const double dMajor = to.x - from.x;
  const double dMinor = to.y - from.y;
  const double offset = DifferenceOfProducts(dMinor, from.x, dMajor, from.y);
  const double lowest = std::min(from.y, to.y);
  const double highest = std::max(from.y, to.y);

  for (int major = static_cast<int>(first); major <= static_cast<int>(last); ++major) {
    const double centre = major + 0.5;
    const double minor = dMajor == 0.0 ? from.y : (dMinor * centre - offset) / dMajor;
    // Rounding must never carry a pixel past the rows of the ends.
    const double cell = std::floor(std::clamp(minor, lowest, highest));
    if (cell >= 0.0 && cell < minorCount) plot(major, static_cast<int>(cell));
  }
}

}  // namespace pixel_line_detail

// A solid line one pixel wide between the pixel cells of two points, both
// ends included: like Bresenham's line between the cells' centres, one pixel
// per column (or per row, for a steep line), clipped to a width x height
// raster before stepping. Points may be anywhere in the double range;
// non-finite ones draw nothing. plot(x, y) receives only on-raster cells.
template <class Plot>
void StepPixelLine(PixelPoint a, PixelPoint b, int width, int height, Plot&& plot) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return;
  const auto centreOf = [](PixelPoint p) { return PixelPoint{std::floor(p.x) + 0.5, std::floor(p.y) + 0.5}; };
  a = centreOf(a);
  b = centreOf(b);
  if (std::fabs(b.x - a.x) >= std::fabs(b.y - a.y)) {
    pixel_line_detail::StepMajor(a, b, width, height, plot);
  } else {
    pixel_line_detail::StepMajor({a.y, a.x}, {b.y, b.x}, height, width,
                                 [&plot](int row, int column) { plot(column, row); });
  }
}

}  // namespace pr
