#include "geometry/sweep/SweepPositions.h"

namespace pr {

std::optional<SweepPosition> SweepPositions::Between(SweepPosition a, SweepPosition b) const {
  if (a.run == b.run) {
    if (b.index - a.index < 2) return std::nullopt;
    return SweepPosition{a.run, a.index + (b.index - a.index) / 2};
  }
  if (b.run - a.run >= 2) return SweepPosition{a.run + (b.run - a.run) / 2, 0};
  // Neighbouring runs: halve the rest of a's run first, then the start of b's.
  const std::uint64_t lastOfA = runs_[a.run].count - 1;
  if (a.index < lastOfA) return SweepPosition{a.run, a.index + (lastOfA - a.index + 1) / 2};
  if (b.index > 0) return SweepPosition{b.run, b.index / 2};
  return std::nullopt;
}

SweepPosition SweepPositions::Before(SweepPosition p) const {
  if (p.index > 0) return {p.run, p.index - 1};
  return {p.run - 1, runs_[p.run - 1].count - 1};
}

}  // namespace pr
