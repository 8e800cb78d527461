#include "core/form/EventDispatch.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// Failures the services never raise on purpose still get the old runtime's
// numbers and wording, so every report looks alike.
constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;

}  // namespace

bool Dispatch(const std::function<void()>& handler, ErrorReporter& reporter) {
  std::string report;
  try {
    handler();
    return true;
  } catch (const RuntimeError& error) {
    report = error.Report();
  } catch (const std::bad_alloc&) {
    report = RunTimeErrorReport(kOutOfMemory, "Memoria esaurita");
  } catch (const std::exception&) {
    report = RunTimeErrorReport(kInternalError, "Errore interno");
  }
  // Reported outside the catch blocks: a modal message box runs an event
  // loop, and no other handler should run while an exception is in flight.
  try {
    reporter.Report(report);
  } catch (const std::exception&) {
    // Nothing is left that could show it; the program still goes on.
    std::fputs((report + "\n").c_str(), stderr);
  }
  return false;
}

}  // namespace pr
