#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "geometry/sweep/SweepCellEdges.h"
#include "geometry/sweep/SweepPositions.h"

namespace pr {

// The pixel a dot lands in, each coordinate saturated to [-1, count]: -1
// before the raster, count past it.
struct PixelCell {
  int column = 0;
  int row = 0;
  friend bool operator==(const PixelCell&, const PixelCell&) = default;
};

// A dot's plot coordinates in double and the pixel they land in.
struct DotSample {
  double plotX = 0.0;
  double plotY = 0.0;
  PixelCell cell;
};

// A pixel that a line's dots hit, with the last step that hits it there.
struct SweepHit {
  PixelCell cell;
  SweepPosition last;
};

// Finds every on-raster pixel that a line's dots hit between two steps
// (both included), with the last step hitting each, given SampleAt(position)
// whose cell column and row are each monotone along the sweep. Splits the
// range until its two ends share a pixel (then so does every step between)
// or lie off the raster on the same side (then so does every step between),
// so the work grows with the number of pixels hit, never with the number of
// steps. Where the split falls does not change the result, only the speed:
// inside a run the plot coordinates are nearly linear in the step, so every
// other split aims at the next cell edge by interpolation, and the ones in
// between halve the range, which bounds the depth whatever the line does.
// Each pixel is reported once, with its last step.
template <typename SampleAtFn>
class SweepHitFinder {
 public:
  SweepHitFinder(const SweepPositions& positions, const SweepCellEdges& columns, const SweepCellEdges& rows, int width,
                 int height, SampleAtFn sampleAt)
      : positions_(positions), columns_(columns), rows_(rows), width_(width), height_(height), sampleAt_(sampleAt) {}

  void Find(SweepPosition first, SweepPosition last, std::vector<SweepHit>& hits) const {
    Split(first, sampleAt_(first), last, sampleAt_(last), 0, hits);
  }

 private:
  bool OnRaster(PixelCell c) const { return c.column >= 0 && c.column < width_ && c.row >= 0 && c.row < height_; }

  bool OffOnOneSide(PixelCell a, PixelCell b) const {
    return (a.column < 0 && b.column < 0) || (a.column >= width_ && b.column >= width_) || (a.row < 0 && b.row < 0) ||
           (a.row >= height_ && b.row >= height_);
  }

  // Reports come in sweep order and a pixel's steps are contiguous, so a
  // pixel reported again is the last one reported: it only moves its step.
  void Report(PixelCell cell, SweepPosition at, std::vector<SweepHit>& hits) const {
    if (!OnRaster(cell)) return;
    if (!hits.empty() && hits.back().cell == cell) {
      hits.back().last = at;
    } else {
      hits.push_back({cell, at});
    }
  }

  void Split(SweepPosition a, const DotSample& atA, SweepPosition b, const DotSample& atB, int depth,
             std::vector<SweepHit>& hits) const {
    const PixelCell cellA = atA.cell;
    const PixelCell cellB = atB.cell;
    if (OffOnOneSide(cellA, cellB)) return;
    if (cellA == cellB) {
      Report(cellB, b, hits);
      return;
    }
    std::optional<SweepPosition> middle;
    if (depth % 2 == 0) middle = AimAtNextEdge(a, atA, b, atB);
    if (!middle) middle = positions_.Between(a, b);
    if (!middle) {
      Report(cellA, a, hits);
      Report(cellB, b, hits);
      return;
    }
    const DotSample atMiddle = sampleAt_(*middle);
    Split(a, atA, *middle, atMiddle, depth + 1, hits);
    Split(*middle, atMiddle, b, atB, depth + 1, hits);
  }

  // A step strictly inside one run where the line should leave a's cell,
  // by linear interpolation of the coordinate that changes cell first.
  std::optional<SweepPosition> AimAtNextEdge(SweepPosition a, const DotSample& atA, SweepPosition b,
                                             const DotSample& atB) const {
    if (a.run != b.run || b.index - a.index < 4) return std::nullopt;
    const double fraction = std::min(EdgeFraction(atA.plotX, atB.plotX, atA.cell.column, atB.cell.column, columns_),
                                     EdgeFraction(atA.plotY, atB.plotY, atA.cell.row, atB.cell.row, rows_));
    if (!std::isfinite(fraction)) return std::nullopt;
    // An edge at or beyond an end (a dot exactly on a midpoint, say) is
    // probed right next to that end.
    const std::uint64_t span = b.index - a.index;
    const double offset =
        std::clamp(std::floor(fraction * static_cast<double>(span)), 1.0, static_cast<double>(span - 1));
    return SweepPosition{a.run, a.index + static_cast<std::uint64_t>(offset)};
  }

  // How far from a to b, as a fraction, one coordinate reaches the edge out
  // of a's cell; infinite when it tells nothing.
  static double EdgeFraction(double fromValue, double toValue, int fromCell, int toCell, const SweepCellEdges& edges) {
    if (fromCell == toCell || !std::isfinite(fromValue) || !std::isfinite(toValue) || fromValue == toValue) {
      return std::numeric_limits<double>::infinity();
    }
    const double edge = toCell > fromCell ? edges.Entering(fromCell + 1) : edges.Entering(fromCell);
    return (edge - fromValue) / (toValue - fromValue);
  }

  const SweepPositions& positions_;
  const SweepCellEdges& columns_;
  const SweepCellEdges& rows_;
  int width_;
  int height_;
  SampleAtFn sampleAt_;
};

}  // namespace pr
