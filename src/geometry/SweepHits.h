#pragma once

#include <optional>
#include <vector>

#include "geometry/SweepPositions.h"

namespace pr {

// The pixel a dot lands in, each coordinate saturated to [-1, count]: -1
// before the raster, count past it.
struct PixelCell {
  int column = 0;
  int row = 0;
  friend bool operator==(const PixelCell&, const PixelCell&) = default;
};

// A pixel that a line's dots hit, with the last step that hits it there.
struct SweepHit {
  PixelCell cell;
  SweepPosition last;
};

// Finds every on-raster pixel that a line's dots hit between two steps
// (both included), with the last step hitting each, given CellAt(position)
// whose column and row are each monotone along the sweep. Splits the range
// until its two ends share a pixel (then so does every step between) or lie
// off the raster on the same side (then so does every step between), so the
// work is the number of pixels hit times the depth of the split, never the
// number of steps. Each pixel is reported once, with its last step.
template <typename CellAtFn>
class SweepHitFinder {
 public:
  SweepHitFinder(const SweepPositions& positions, int width, int height, CellAtFn cellAt)
      : positions_(positions), width_(width), height_(height), cellAt_(cellAt) {}

  void Find(SweepPosition first, SweepPosition last, std::vector<SweepHit>& hits) const {
    Split(first, cellAt_(first), last, cellAt_(last), hits);
  }

 private:
  bool OnRaster(PixelCell c) const { return c.column >= 0 && c.column < width_ && c.row >= 0 && c.row < height_; }

  bool OffOnOneSide(PixelCell a, PixelCell b) const {
    return (a.column < 0 && b.column < 0) || (a.column >= width_ && b.column >= width_) ||
           (a.row < 0 && b.row < 0) || (a.row >= height_ && b.row >= height_);
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

  void Split(SweepPosition a, PixelCell cellA, SweepPosition b, PixelCell cellB, std::vector<SweepHit>& hits) const {
    if (OffOnOneSide(cellA, cellB)) return;
    if (cellA == cellB) {
      Report(cellB, b, hits);
      return;
    }
    const std::optional<SweepPosition> middle = positions_.Between(a, b);
    if (!middle) {
      Report(cellA, a, hits);
      Report(cellB, b, hits);
      return;
    }
    const PixelCell cellMiddle = cellAt_(*middle);
    Split(a, cellA, *middle, cellMiddle, hits);
    Split(*middle, cellMiddle, b, cellB, hits);
  }

  const SweepPositions& positions_;
  int width_;
  int height_;
  CellAtFn cellAt_;
};

}  // namespace pr
