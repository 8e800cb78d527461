#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "geometry/sweep/SweepSteps.h"

namespace pr {

// One step of the sweep: its run and its index inside the run. Positions
// order like the steps themselves.
struct SweepPosition {
  std::size_t run = 0;
  std::uint64_t index = 0;
  friend auto operator<=>(const SweepPosition&, const SweepPosition&) = default;
};

// The steps of a whole sweep, addressed by position without walking them:
// the sweep can have up to about 2^64 steps.
class SweepPositions {
 public:
  explicit SweepPositions(double fullScale) : runs_(SweepRuns(fullScale)) {}

  bool Empty() const { return runs_.empty(); }
  SweepPosition First() const { return {0, 0}; }
  SweepPosition Last() const { return {runs_.size() - 1, runs_.back().count - 1}; }
  double XAt(SweepPosition p) const { return runs_[p.run].At(p.index); }

  // A step strictly between a and b (a < b), roughly halving the range; none
  // when they are neighbours.
  std::optional<SweepPosition> Between(SweepPosition a, SweepPosition b) const;
  // The step before p (p after First()).
  SweepPosition Before(SweepPosition p) const;

 private:
  std::vector<SweepRun> runs_;
};

}  // namespace pr
