#include "geometry/sweep/FastSweep.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/numbers/RuntimeError.h"
#include "core/surface/RasterSurface.h"
#include "core/surface/SingleCoordinates.h"
#include "geometry/sweep/SweepCellEdges.h"
#include "geometry/sweep/SweepHits.h"
#include "geometry/sweep/SweepPositions.h"

namespace pr {

namespace {

bool DotOverflows(const TracedLine& line, double x) {
  try {
    DotAt(line, x);
    return false;
  } catch (const RuntimeError&) {
    return true;
  }
}

// Where along the sweep a line's dots stop being computable: the first
// overflowing step, if any. slope * x + q is monotone in x, so the steps
// whose dot is finite form one stretch; the caller has checked the first.
std::optional<SweepPosition> FirstOverflow(const SweepPositions& positions, const TracedLine& line) {
  SweepPosition fine = positions.First();
  SweepPosition overflowing = positions.Last();
  if (!DotOverflows(line, positions.XAt(overflowing))) return std::nullopt;
  while (const std::optional<SweepPosition> middle = positions.Between(fine, overflowing)) {
    (DotOverflows(line, positions.XAt(*middle)) ? overflowing : fine) = *middle;
  }
  return overflowing;
}

// A hit of one line, ordered as the plain sweep sets its dots: by step, and
// within a step by the line's place in the list.
struct LineHit {
  SweepHit hit;
  std::size_t line;
  bool operator<(const LineHit& other) const {
    if (hit.last != other.hit.last) return hit.last < other.hit.last;
    return line < other.line;
  }
};

void CollectHits(const RasterSurface& raster, const SweepPositions& positions, SweepPosition last, double fullScale,
                 double scale, std::span<const TracedLine> lines, std::vector<LineHit>& out) {
  const double twipsPerPixel = raster.TwipsPerPixel();
  const SweepCellEdges columns(twipsPerPixel, raster.Width());
  const SweepCellEdges rows(twipsPerPixel, raster.Height());
  std::vector<SweepHit> hits;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TracedLine& line = lines[i];
    const auto sampleAt = [&](SweepPosition p) {
      const Point dot = DotAt(line, positions.XAt(p));
      const PlotPoint at = WorldToPlotScaled(dot, scale);
      // A dot the sweep does not set (below the plot) counts as past the
      // raster's last row. The rows stay monotone: those dots lie at one
      // end of the sweep, beyond every row of the dots that are set.
      const int row = SweepDraws(dot, fullScale) ? CellOfTwips(at.y, twipsPerPixel, raster.Height()) : raster.Height();
      return DotSample{at.x, at.y, PixelCell{CellOfTwips(at.x, twipsPerPixel, raster.Width()), row}};
    };
    hits.clear();
    SweepHitFinder(positions, columns, rows, raster.Width(), raster.Height(), sampleAt)
        .Find(positions.First(), last, hits);
    for (const SweepHit& hit : hits) out.push_back({hit, i});
  }
}

}  // namespace

void FastSweep(RasterSurface& raster, double fullScale, std::span<const TracedLine> lines) {
  if (!SweepHasSteps(fullScale)) return;
  const double scale = PlotScale(fullScale);
  const SweepPositions positions(fullScale);
  if (positions.Empty() || lines.empty()) return;

  // The plain sweep computes every dot of a step before it sets any, and
  // stops at the first step with an overflowing dot.
  std::optional<SweepPosition> stop;
  for (const TracedLine& line : lines) {
    if (DotOverflows(line, positions.XAt(positions.First()))) throw RuntimeError(ErrorCode::Overflow);
    const std::optional<SweepPosition> overflow = FirstOverflow(positions, line);
    if (overflow && (!stop || *overflow < *stop)) stop = overflow;
  }

  std::vector<LineHit> hits;
  CollectHits(raster, positions, stop ? positions.Before(*stop) : positions.Last(), fullScale, scale, lines, hits);
  // Painted in the plain sweep's order, the last dot to reach a pixel shows.
  std::sort(hits.begin(), hits.end());
  for (const LineHit& h : hits) raster.SetPixel(h.hit.cell.column, h.hit.cell.row, lines[h.line].colour);

  if (stop) throw RuntimeError(ErrorCode::Overflow);
}

}  // namespace pr
