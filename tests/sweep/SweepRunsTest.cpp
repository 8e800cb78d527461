// SweepRuns against the definition of the sweep: x from -fs, NextSweepX,
// while x <= fs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "geometry/sweep/SweepSteps.h"
#include "sweep/TestScale.h"

namespace pr {
namespace {

constexpr double kMaxDouble = std::numeric_limits<double>::max();

double Up(double x) { return std::nextafter(x, kMaxDouble); }
double Down(double x) { return std::nextafter(x, -kMaxDouble); }

// Walks the sweep step by step and the runs value by value, side by side.
void ExpectSameAsSteppedSweep(double fs) {
  SCOPED_TRACE(::testing::Message() << "fs = " << fs);
  const std::vector<SweepRun> runs = SweepRuns(fs);
  double x = -fs;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (std::uint64_t i = 0; i < runs[r].count; ++i) {
      ASSERT_LE(x, fs) << "run " << r << " value " << i << " is past the end";
      ASSERT_EQ(runs[r].At(i), x) << "run " << r << " value " << i;
      x = NextSweepX(x);
    }
  }
  EXPECT_GT(x, fs) << "the runs stop before the sweep does";
}

// For sweeps too long to step through: every seam between runs, and the
// first and last steps of every run, checked against NextSweepX. Together
// with the increment being constant inside a run this pins every value.
void ExpectRunsChainLikeTheSweep(double fs, std::uint64_t stepsPerEnd) {
  SCOPED_TRACE(::testing::Message() << "fs = " << fs);
  const std::vector<SweepRun> runs = SweepRuns(fs);
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.front().first, -fs);
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const SweepRun& run = runs[r];
    ASSERT_GE(run.count, 1u);
    const auto checkStep = [&](std::uint64_t i) {
      ASSERT_EQ(NextSweepX(run.At(i)), run.At(i + 1)) << "run " << r << " step " << i << " of " << run.count;
    };
    if (run.count > 1) {
      const std::uint64_t steps = run.count - 1;
      for (std::uint64_t i = 0; i < std::min(steps, stepsPerEnd); ++i) checkStep(i);
      for (std::uint64_t i = steps - std::min(steps, stepsPerEnd); i < steps; ++i) checkStep(i);
      checkStep(steps / 2);
    }
    const double after = NextSweepX(run.Last());
    if (r + 1 < runs.size()) {
      ASSERT_EQ(after, runs[r + 1].first) << "seam after run " << r;
    } else {
      EXPECT_LE(run.Last(), fs);
      EXPECT_GT(after, fs);
    }
  }
}

std::uint64_t TotalSteps(const std::vector<SweepRun>& runs) {
  std::uint64_t total = 0;
  for (const SweepRun& run : runs) total += run.count;
  return total;
}

TEST(SweepRuns, StepCountsOfTheUsualFullScales) {
  struct Case {
    double fs;
    std::uint64_t steps;
  };
  const Case cases[] = {{0.1, 21}, {1, 200}, {3, 601}, {10, 2001}, {20, 4000}, {100, 20000}};
  for (const Case& c : cases) {
    EXPECT_EQ(TotalSteps(SweepRuns(c.fs)), c.steps) << "fs = " << c.fs;
  }
}

TEST(SweepRuns, LastValueAtFullScaleTenFallsJustShortOfTen) {
  const double last = SweepRuns(10).back().Last();
  EXPECT_LT(last, 10.0);
  EXPECT_NEAR(last, 9.99999999999966, 1e-12);
}

TEST(SweepRuns, NoRunForAFullScaleThatSweepsNothing) {
  for (const double fs : {0.0, -0.0, -1.0, -1e300, std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_TRUE(SweepRuns(fs).empty()) << "fs = " << fs;
  }
}

TEST(SweepRuns, MatchesTheSteppedSweepAtHandPickedFullScales) {
  std::vector<double> scales = {1e-300,    std::numeric_limits<double>::min(),
                                0.001,     0.005,
                                0.0078125, 0.01,
                                0.015,     0.02,
                                0.03,      0.1,
                                0.5,       1,
                                3,         10,
                                20,        100,
                                1234.5678};
  // Powers of two and their neighbours: the sweep's binade seams sit there.
  for (int e = -8; e <= 14; ++e) {
    const double p = std::ldexp(1.0, e);
    scales.insert(scales.end(), {Down(p), p, Up(p)});
  }
  for (const double fs : scales) ExpectSameAsSteppedSweep(fs);
}

TEST(SweepRuns, MatchesTheSteppedSweepAtRandomFullScales) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> exponent(-3.0, 4.0);  // 0.001 .. 10^4, log-uniform
  const int count = test::Scaled(1500);
  for (int i = 0; i < count; ++i) ExpectSameAsSteppedSweep(std::pow(10.0, exponent(random)));
}

TEST(SweepRuns, ChainsLikeTheSweepWhereItCannotBeStepped) {
  const double stall = std::ldexp(1.0, 47);  // from here on adding 0.01 no longer moves x
  const double scales[] = {1e5, 1e6, Down(stall), stall, Up(stall), 3e14, 1e15, 0x1p53, 1e20, 1e100, 1e300, kMaxDouble};
  for (const double fs : scales) ExpectRunsChainLikeTheSweep(fs, static_cast<std::uint64_t>(test::Scaled(2000)));
}

TEST(SweepRuns, RunsPerBinadeStayFew) {
  // The fast sweep's work grows with the number of runs: a handful per binade.
  const std::vector<SweepRun> runs = SweepRuns(kMaxDouble);
  EXPECT_LT(runs.size(), 2u * 1030u * 4u);
}

TEST(SweepRuns, PastTheStallEveryDoubleIsVisited) {
  const double fs = 0x1p60;
  const std::vector<SweepRun> runs = SweepRuns(fs);
  // In [2^59, 2^60) the spacing is 2^7 = 128, far above 0.01.
  for (const SweepRun& run : runs) {
    if (run.count > 1 && run.first >= 0x1p59) {
      EXPECT_EQ(run.increment, 128.0);
    }
  }
  EXPECT_EQ(runs.back().Last(), fs);
}

}  // namespace
}  // namespace pr
