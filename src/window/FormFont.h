#pragma once

#include <QFont>

namespace pr::window {

// The form's font at `points`: bold (weight 700), not italic, underlined or
// struck through, in the old face where it exists and else in the fallback.
QFont FormFont(double points);

}  // namespace pr::window
