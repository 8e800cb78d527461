#include "core/form/EventDispatch.h"

#include <exception>
#include <new>

#include "core/numbers/RuntimeError.h"

namespace pr {
namespace {

// Failures the services never raise on purpose still get the old runtime's
// numbers and wording, so every report looks alike.
constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;

}  // namespace

std::string Failure::Report() const { return RunTimeErrorReport(number, description); }

std::optional<Failure> Dispatch(const std::function<void()>& handler) {
  try {
    handler();
    return std::nullopt;
  } catch (const RuntimeError& error) {
    return Failure{error.Number(), DescriptionOf(error.Code())};
  } catch (const std::bad_alloc&) {
    return Failure{kOutOfMemory, "Memoria esaurita"};
  } catch (const std::exception&) {
    return Failure{kInternalError, "Errore interno"};
  }
}

}  // namespace pr
