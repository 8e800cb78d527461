#pragma once

#include <cstdint>
#include <vector>

namespace pr {

// The line sweep walks x from -fs while x <= fs, adding the double nearest to
// 0.01 each time and keeping the running sum (never -fs + k * 0.01).
inline constexpr double kSweepStep = 0.01;

// It has a step only when -fs <= fs, so a negative full scale traces nothing.
inline bool SweepHasSteps(double fullScale) { return -fullScale <= fullScale; }

// The x after x: x + 0.01 rounded to double. From |x| of about 2^47 on that
// addition no longer moves x, and the old loop never ended; there the sweep
// moves to the next double instead, so it ends for every full scale.
double NextSweepX(double x);

// A stretch of consecutive sweep values with a constant increment:
// value i is first + i * increment, exactly, for i in [0, count). Within one
// binade, adding the same double always adds the same rounded amount, so the
// sweep's values fall into a few such runs per binade.
struct SweepRun {
  double first = 0.0;
  double increment = 0.0;
  std::uint64_t count = 0;

  double At(std::uint64_t i) const { return first + static_cast<double>(i) * increment; }
  double Last() const { return At(count - 1); }
};

// The whole sweep for a full scale as runs, in order; no run when fs < 0 or
// fs is 0. Value for value the same as repeated NextSweepX from -fs while
// x <= fs.
std::vector<SweepRun> SweepRuns(double fullScale);

}  // namespace pr
