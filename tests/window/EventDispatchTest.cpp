// A handler that fails stops at the failing step; the failure is reported
// once, with the old runtime's number and Italian text, and nothing escapes.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/form/EventDispatch.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

class CollectingReporter final : public ErrorReporter {
 public:
  void Report(const std::string& message) override { reports.push_back(message); }
  std::vector<std::string> reports;
};

class ThrowingReporter final : public ErrorReporter {
 public:
  void Report(const std::string&) override { throw std::runtime_error("no screen to show it on"); }
};

TEST(EventDispatch, AHandlerThatEndsNormallyReportsNothing) {
  CollectingReporter reporter;
  int steps = 0;
  EXPECT_TRUE(Dispatch([&] { steps = 2; }, reporter));
  EXPECT_EQ(steps, 2);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST(EventDispatch, ARunTimeErrorEndsTheHandlerAtThatStepAndKeepsWhatWasDone) {
  CollectingReporter reporter;
  std::vector<std::string> done;
  const bool finished = Dispatch(
      [&] {
        done.push_back("markers");
        throw RuntimeError(ErrorCode::DivisionByZero);
        done.push_back("sweep");  // never reached
      },
      reporter);
  EXPECT_FALSE(finished);
  EXPECT_EQ(done, std::vector<std::string>{"markers"});
  EXPECT_EQ(reporter.reports, std::vector<std::string>{"Errore di run-time '11':\n\nDivisione per zero"});
}

struct FailureCase {
  const char* what;
  void (*fail)();
  const char* report;
};

const FailureCase kFailures[] = {
    {"overflow", [] { throw RuntimeError(ErrorCode::Overflow); }, "Errore di run-time '6':\n\nOverflow"},
    {"square root of a negative", [] { throw RuntimeError(ErrorCode::InvalidCall); },
     "Errore di run-time '5':\n\nChiamata di routine o argomento non validi"},
    {"out of memory", [] { throw std::bad_alloc(); }, "Errore di run-time '7':\n\nMemoria esaurita"},
    {"a fault of the program", [] { throw std::logic_error("bug"); }, "Errore di run-time '51':\n\nErrore interno"},
};

TEST(EventDispatch, EveryFailureBecomesOneNumberedReport) {
  for (const FailureCase& failure : kFailures) {
    SCOPED_TRACE(failure.what);
    CollectingReporter reporter;
    EXPECT_FALSE(Dispatch(failure.fail, reporter));
    EXPECT_EQ(reporter.reports, std::vector<std::string>{failure.report});
  }
}

TEST(EventDispatch, TheNextEventRunsAfterAFailure) {
  CollectingReporter reporter;
  Dispatch([] { throw RuntimeError(ErrorCode::Overflow); }, reporter);
  bool ran = false;
  EXPECT_TRUE(Dispatch([&] { ran = true; }, reporter));
  EXPECT_TRUE(ran);
  EXPECT_EQ(reporter.reports.size(), 1u);
}

TEST(EventDispatch, AReporterThatFailsDoesNotLetTheErrorEscape) {
  ThrowingReporter reporter;
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(EXPECT_FALSE(Dispatch([] { throw RuntimeError(ErrorCode::Overflow); }, reporter)));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Overflow"), std::string::npos);
}

}  // namespace
}  // namespace pr
