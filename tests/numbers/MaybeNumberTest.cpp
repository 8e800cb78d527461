#include <gtest/gtest.h>

#include "core/numbers/MaybeNumber.h"

namespace pr {
namespace {

TEST(MaybeNumber, UnsetCountsAsZeroButIsNeitherSign) {
  const MaybeNumber unset;
  EXPECT_TRUE(unset.IsUnset());
  EXPECT_EQ(unset.Value(), 0.0);
  EXPECT_TRUE(unset == 0.0);
  EXPECT_FALSE(unset < 0.0);
  EXPECT_FALSE(unset > 0.0);
  EXPECT_TRUE(unset < 1.0);
  EXPECT_TRUE(unset > -1.0);
  EXPECT_EQ(unset.Value() + 2.5, 2.5);
}

TEST(MaybeNumber, AssignedValuesCompareAsDoubles) {
  const MaybeNumber zero = 0.0;
  const MaybeNumber slope = -3.5;
  EXPECT_FALSE(zero.IsUnset());
  EXPECT_TRUE(zero == 0.0);
  EXPECT_TRUE(slope < 0.0);
  EXPECT_FALSE(slope > 0.0);
  EXPECT_FALSE(slope == 0.0);
}

}  // namespace
}  // namespace pr
