#include "geometry/sweep/SweepSteps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pr {

double NextSweepX(double x) {
  const double next = x + kSweepStep;
  if (next != x) return next;
  return std::nextafter(x, std::numeric_limits<double>::infinity());
}

namespace {

// Below 2^-7 the sweep crosses a binade (or zero) at nearly every step, so
// each value there is a run of its own; there are at most two such values.
constexpr double kSmallestRunMagnitude = 0x1p-7;
constexpr std::uint64_t kBinadeBase = std::uint64_t{1} << 52;  // 2^52: significand of the binade's bottom
constexpr std::uint64_t kBinadeEnd = std::uint64_t{1} << 53;   // one past the largest significand

// A binade [2^(exponent-1), 2^exponent) seen as integer multiples of its
// spacing, so that counting steps inside it is exact integer arithmetic.
struct Binade {
  int exponent = 0;
  // How many spacings of this binade a non-negative multiple of the spacing
  // holds; a magnitude inside the binade gives its significand, in [2^52, 2^53).
  std::uint64_t Units(double amount) const { return static_cast<std::uint64_t>(std::ldexp(amount, 53 - exponent)); }
  double Top() const { return std::ldexp(1.0, exponent); }  // infinite for the last binade
};

Binade BinadeOf(double x) {
  Binade binade;
  std::frexp(x, &binade.exponent);
  return binade;
}

SweepRun SingleValue(double x) { return SweepRun{x, 0.0, 1}; }

// How many values x, x + inc, ... a positive run keeps: while they stay
// below the binade's top. Any value v there steps by the same amount: v is a
// multiple of the spacing, so v + 0.01 rounds on the same grid (or does not
// move, and the next double is one spacing on). As v + inc is at most one
// spacing under the top and inc is within half a spacing of 0.01, the exact
// sum stays below the top too.
std::uint64_t PositiveRunLength(const Binade& binade, double x, double next) {
  const std::uint64_t start = binade.Units(x);
  const std::uint64_t step = binade.Units(next) - start;
  return (kBinadeEnd - start + step - 1) / step;
}

// Going towards zero, a step is safe while its result is at least one
// spacing above the binade's bottom: the exact sum then stays in the binade
// and rounds on its grid; nearer the bottom it would round on the finer grid
// below, so that step starts a new run.
std::uint64_t NegativeRunLength(const Binade& binade, double x, double next) {
  const std::uint64_t start = binade.Units(-x);
  const std::uint64_t step = start - binade.Units(-next);
  return 1 + (start - kBinadeBase - 1) / step;
}

bool StaysInBinade(const Binade& binade, double x, double next) {
  if (x > 0) return next < binade.Top();
  const double bottom = std::ldexp(1.0, binade.exponent - 1);
  const double spacing = std::ldexp(1.0, binade.exponent - 53);
  return next < 0 && -next >= bottom + spacing;
}

// The longest run of constant increment that starts at x, ends inside x's
// binade and keeps every value <= fullScale.
SweepRun RunFrom(double x, double fullScale) {
  if (std::fabs(x) < kSmallestRunMagnitude) return SingleValue(x);
  const double next = NextSweepX(x);
  const Binade binade = BinadeOf(x);
  if (!StaysInBinade(binade, x, next)) return SingleValue(x);

  const double increment = next - x;  // exact: both in one binade
  std::uint64_t count = x > 0 ? PositiveRunLength(binade, x, next) : NegativeRunLength(binade, x, next);
  // In [2^-6, 2^-5) 0.01 falls exactly halfway between two multiples of the
  // spacing and the tie goes to the even one, so the increment would depend
  // on the parity of the value; but that binade is only 0.0156 wide, a run
  // there has at most two values, and its one step is the one just taken.
  if (x > 0 && fullScale < binade.Top()) {
    // fullScale >= x lies in the same binade, so it is a multiple of the spacing.
    const std::uint64_t room = binade.Units(fullScale) - binade.Units(x);
    count = std::min(count, room / binade.Units(increment) + 1);
  }
  return SweepRun{x, increment, count};
}

}  // namespace

std::vector<SweepRun> SweepRuns(double fullScale) {
  std::vector<SweepRun> runs;
  // An infinite full scale has no end to sweep to; Val never reads one.
  if (!(fullScale > 0) || !std::isfinite(fullScale)) return runs;
  for (double x = -fullScale; x <= fullScale; x = NextSweepX(runs.back().Last())) {
    runs.push_back(RunFrom(x, fullScale));
  }
  return runs;
}

}  // namespace pr
