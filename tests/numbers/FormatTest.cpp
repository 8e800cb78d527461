#include <gtest/gtest.h>

#include "core/numbers/Format.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

TEST(FormatFailure, AnUnknownPatternIsAnInvalidCall) {
  try {
    Format(Hundredths{1, 150, true}, "0.000");
    ADD_FAILURE() << "an unknown pattern was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::InvalidCall);
  }
}

}  // namespace
}  // namespace pr
