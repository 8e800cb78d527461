#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

#include "core/numbers/CheckedMath.h"

namespace pr {
namespace {

using Limits = std::numeric_limits<double>;
constexpr double kMax = Limits::max();
using checked::Add, checked::Mul, checked::Div;

struct CheckedCase {
  const char* name;
  std::function<double()> operation;
  std::optional<double> result;  // nothing: it raises Overflow
};

TEST(CheckedMath, GivesTheResultOrRaisesOverflow) {
  const CheckedCase cases[] = {
      {"1+2", [] { return Add(1, 2); }, 3},
      {"3*0.5", [] { return Mul(3, 0.5); }, 1.5},
      {"1/4", [] { return Div(1, 4); }, 0.25},
      {"max+1 rounds back", [] { return Add(kMax, 1); }, kMax},
      {"1e-200*1e-200 underflows quietly", [] { return Mul(1e-200, 1e-200); }, 0},
      {"denorm/2", [] { return Div(Limits::denorm_min(), 2); }, 0},
      {"max+max", [] { return Add(kMax, kMax); }, std::nullopt},
      {"1e200*1e200", [] { return Mul(1e200, 1e200); }, std::nullopt},
      {"1e300/1e-300", [] { return Div(1e300, 1e-300); }, std::nullopt},
      {"1/denorm", [] { return Div(1, Limits::denorm_min()); }, std::nullopt},
  };
  for (const CheckedCase& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      const double r = c.operation();
      ASSERT_TRUE(c.result.has_value()) << "gave " << r;
      EXPECT_EQ(r, *c.result);
    } catch (const RuntimeError& e) {
      EXPECT_FALSE(c.result.has_value());
      EXPECT_EQ(e.Code(), ErrorCode::Overflow);
    }
  }
}

}  // namespace
}  // namespace pr
