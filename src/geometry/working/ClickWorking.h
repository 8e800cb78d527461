#pragma once

#include <string_view>

#include "core/figure/Working.h"
#include "geometry/CommandInput.h"

namespace pr {
struct LineCommandSpec;
}

namespace pr::working {

// The working of a press that ran to its end: of the line command `line`,
// or of "I punti e le distanze" when `line` is null. A full scale of 0 (no
// markers drawn) gives one line on what happened.
Working WorkingOfPress(const LineCommandSpec* line, const CommandInput& input, bool markersDrawn,
                       std::string_view mark);

}  // namespace pr::working
