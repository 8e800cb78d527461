#pragma once

#include <string>
#include <string_view>

#include "core/figure/Working.h"
#include "geometry/CommandInput.h"
#include "geometry/LineCommand.h"

namespace pr::working {

// The working of a line button: m and q with the numbers put in, the
// equation, and for P1-P2 the perpendicular through (0; q). A vertical
// pair, a horizontal P1-P2 line and a negative full scale are said in words.
Working LineWorking(const LineCommandSpec& spec, const CommandInput& input, std::string_view mark);

// Its heading: "Retta per P1-P2 e perpendicolare", "Retta per P2-P3".
std::string LineHeading(const LineCommandSpec& spec);

}  // namespace pr::working
