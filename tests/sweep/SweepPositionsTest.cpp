#include <gtest/gtest.h>

#include <optional>

#include "geometry/sweep/SweepPositions.h"

namespace pr {
namespace {

TEST(SweepPositions, FirstAndLastAreTheSweepsEnds) {
  const SweepPositions positions(10);
  EXPECT_EQ(positions.XAt(positions.First()), -10.0);
  EXPECT_NEAR(positions.XAt(positions.Last()), 9.99999999999966, 1e-12);
}

TEST(SweepPositions, BetweenLiesStrictlyInsideUntilNeighbours) {
  // Every split of a range, followed to the end, must stay strictly inside
  // it and stop only at neighbouring steps: 2001 steps at full scale 10.
  const SweepPositions positions(10);
  int neighbours = 0;
  const auto split = [&](auto& self, SweepPosition a, SweepPosition b) -> void {
    const std::optional<SweepPosition> middle = positions.Between(a, b);
    if (!middle) {
      EXPECT_EQ(positions.Before(b), a);
      ++neighbours;
      return;
    }
    ASSERT_LT(a, *middle);
    ASSERT_LT(*middle, b);
    ASSERT_LT(positions.XAt(a), positions.XAt(*middle));
    ASSERT_LT(positions.XAt(*middle), positions.XAt(b));
    self(self, a, *middle);
    self(self, *middle, b);
  };
  split(split, positions.First(), positions.Last());
  EXPECT_EQ(neighbours, 2000);  // one per step after the first
}

TEST(SweepPositions, BeforeCrossesIntoThePreviousRun) {
  const SweepPositions positions(10);
  const SweepPosition secondRun{1, 0};
  const SweepPosition before = positions.Before(secondRun);
  EXPECT_EQ(before.run, 0u);
  EXPECT_LT(positions.XAt(before), positions.XAt(secondRun));
}

}  // namespace
}  // namespace pr
