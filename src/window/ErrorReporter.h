#pragma once

#include <string>

namespace pr {

// Where a run-time error that ended a handler is shown. The window shows a
// message box; tests collect the reports instead of blocking on a dialog.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // `message` is the whole text, e.g. "Errore di run-time '6':\n\nOverflow".
  virtual void Report(const std::string& message) = 0;
};

}  // namespace pr
