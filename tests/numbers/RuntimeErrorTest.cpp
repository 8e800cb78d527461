#include <gtest/gtest.h>

#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

struct ReportCase {
  ErrorCode code;
  int number;
  const char* report;
};

TEST(RuntimeError, ReportsInItalianWithTheOldNumbers) {
  const ReportCase cases[] = {
      {ErrorCode::InvalidCall, 5, "Errore di run-time '5':\n\nChiamata di routine o argomento non validi"},
      {ErrorCode::Overflow, 6, "Errore di run-time '6':\n\nOverflow"},
      {ErrorCode::DivisionByZero, 11, "Errore di run-time '11':\n\nDivisione per zero"},
  };
  for (const auto& c : cases) {
    const RuntimeError error(c.code);
    EXPECT_EQ(error.Number(), c.number);
    EXPECT_EQ(error.Report(), c.report);
    EXPECT_EQ(error.Description(), DescriptionOf(c.code));
    EXPECT_STREQ(error.what(), error.Description().c_str());
  }
}

}  // namespace
}  // namespace pr
