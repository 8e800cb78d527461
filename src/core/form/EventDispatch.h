#pragma once

#include <functional>
#include <optional>
#include <string>

namespace pr {

// What ended a handler early: a run-time error, as the old runtime numbered
// and named it.
struct Failure {
  int number = 0;
  std::string description;  // "Overflow"

  // The whole text of the message box: "Errore di run-time '6':\n\nOverflow".
  std::string Report() const;
  friend bool operator==(const Failure&, const Failure&) = default;
};

// Runs one event handler to its end or to its first failure. A run-time
// error ends the handler at that step: what it drew and wrote stays, and the
// failure is returned for the front end to show; the program goes on with
// the next event. No exception leaves this function, so it is safe to call
// from a Qt slot or from the page's exports.
std::optional<Failure> Dispatch(const std::function<void()>& handler);

}  // namespace pr
