#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "core/numbers/CheckedMath.h"

namespace pr {
namespace {

using Limits = std::numeric_limits<double>;
constexpr double kMax = Limits::max();

struct CheckedCase {
  const char* name;
  std::function<double()> operation;
  std::optional<double> result;      // when it succeeds
  std::optional<ErrorCode> failure;  // when it raises a run-time error
};

void PrintTo(const CheckedCase& c, std::ostream* os) { *os << c.name; }

CheckedCase Gives(const char* name, std::function<double()> op, double result) {
  return {name, std::move(op), result, std::nullopt};
}
CheckedCase Fails(const char* name, std::function<double()> op, ErrorCode code) {
  return {name, std::move(op), std::nullopt, code};
}

class CheckedMath : public testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedMath, GivesTheResultOrTheRunTimeError) {
  const CheckedCase& c = GetParam();
  try {
    const double r = c.operation();
    ASSERT_TRUE(c.result.has_value()) << c.name << " gave " << r;
    EXPECT_EQ(r, *c.result) << c.name;
  } catch (const RuntimeError& e) {
    ASSERT_TRUE(c.failure.has_value()) << c.name << " raised " << e.Number();
    EXPECT_EQ(e.Code(), *c.failure) << c.name;
  }
}

using checked::Add, checked::Mul, checked::Div;

INSTANTIATE_TEST_SUITE_P(Ordinary, CheckedMath,
                         testing::Values(Gives(
                                             "1+2", [] { return Add(1, 2); }, 3),
                                         Gives(
                                             "3*0.5", [] { return Mul(3, 0.5); }, 1.5),
                                         Gives(
                                             "1/4", [] { return Div(1, 4); }, 0.25)));

INSTANTIATE_TEST_SUITE_P(Overflow, CheckedMath,
                         testing::Values(Fails(
                                             "max+max", [] { return Add(kMax, kMax); }, ErrorCode::Overflow),
                                         Fails(
                                             "1e200*1e200", [] { return Mul(1e200, 1e200); }, ErrorCode::Overflow),
                                         Fails(
                                             "1e300/1e-300", [] { return Div(1e300, 1e-300); }, ErrorCode::Overflow),
                                         Gives(
                                             "max+1 rounds back", [] { return Add(kMax, 1); }, kMax)));

INSTANTIATE_TEST_SUITE_P(DivisionByZero, CheckedMath,
                         testing::Values(Fails(
                                             "1/0", [] { return Div(1, 0); }, ErrorCode::DivisionByZero),
                                         Fails(
                                             "-1/-0", [] { return Div(-1, -0.0); }, ErrorCode::DivisionByZero),
                                         Fails(
                                             "0/0", [] { return Div(0, 0); }, ErrorCode::Overflow)));

INSTANTIATE_TEST_SUITE_P(TinyAndSubnormal, CheckedMath,
                         testing::Values(Gives(
                                             "1e-200*1e-200 underflows quietly", [] { return Mul(1e-200, 1e-200); }, 0),
                                         Gives(
                                             "denorm/2", [] { return Div(Limits::denorm_min(), 2); }, 0),
                                         Fails(
                                             "1/denorm", [] { return Div(1, Limits::denorm_min()); },
                                             ErrorCode::Overflow)));

}  // namespace
}  // namespace pr
