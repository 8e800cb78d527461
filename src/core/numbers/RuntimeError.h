#pragma once

#include <stdexcept>
#include <string>

namespace pr {

// The run-time errors a service can raise. The numbers are the ones a student
// sees in the message box, as the old forms runtime numbered them.
enum class ErrorCode : int {
  InvalidCall = 5,  // e.g. the square root of a negative number
  Overflow = 6,     // a result too large for a double
};

// A failing service throws this; the event dispatcher catches it at the
// handler's boundary, so what was drawn and written before it stays.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorCode code);

  ErrorCode Code() const { return code_; }
  int Number() const { return static_cast<int>(code_); }

 private:
  ErrorCode code_;
};

// The Italian description, e.g. "Overflow".
std::string DescriptionOf(ErrorCode code);

// The message box's text for run-time error `number`, in the old runtime's
// wording: "Errore di run-time '6':\n\nOverflow".
std::string RunTimeErrorReport(int number, const std::string& description);

}  // namespace pr
