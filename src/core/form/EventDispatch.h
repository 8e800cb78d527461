#pragma once

#include <functional>

#include "core/form/ErrorReporter.h"

namespace pr {

// Runs one event handler to its end or to its first failure. A run-time
// error ends the handler at that step: what it drew and wrote stays, the
// error goes to `reporter`, and the program goes on with the next event.
// No exception leaves this function, so it is safe to call from a Qt slot.
// Returns true when the handler ran to its end.
bool Dispatch(const std::function<void()>& handler, ErrorReporter& reporter);

}  // namespace pr
