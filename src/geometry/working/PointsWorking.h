#pragma once

#include <string_view>

#include "core/figure/Working.h"
#include "geometry/CommandInput.h"

namespace pr::working {

// The working of "I punti e le distanze": each distance with the numbers
// put in, the semiperimeter, Heron's formula, and the area again from the
// coordinates as a check; collinear and coincident points said in words.
// Its numbers are those the labels show.
Working PointsWorking(const CommandInput& input, std::string_view mark);

inline constexpr std::string_view kPointsHeading = "I punti e le distanze";

}  // namespace pr::working
