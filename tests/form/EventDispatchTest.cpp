// A handler that fails stops at the failing step; the failure comes back
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

TEST(EventDispatch, AHandlerThatEndsNormallyGivesNoFailure) {
  int steps = 0;
  EXPECT_EQ(Dispatch([&] { steps = 2; }), std::nullopt);
  EXPECT_EQ(steps, 2);
}

TEST(EventDispatch, ARunTimeErrorEndsTheHandlerAtThatStepAndKeepsWhatWasDone) {
  std::vector<std::string> done;
  const std::optional<Failure> failure = Dispatch([&] {
    done.push_back("markers");
    throw RuntimeError(ErrorCode::Overflow);
    done.push_back("sweep");  // never reached
  });
  EXPECT_EQ(done, std::vector<std::string>{"markers"});
  EXPECT_EQ(failure, (Failure{6, "Overflow"}));
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
  for (const FailureCase& c : kFailures) {
    SCOPED_TRACE(c.what);
    std::optional<Failure> failure;
    EXPECT_NO_THROW(failure = Dispatch(c.fail));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Report(), c.report);
  }
}

}  // namespace
}  // namespace pr
