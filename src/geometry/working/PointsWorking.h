#pragma once

#include <string_view>

#include "core/figure/Working.h"
#include "geometry/PointsResult.h"

namespace pr::working {

// The working of "I punti e le distanze", rendered from what the press
// computed: each distance with the numbers put in, the semiperimeter,
// Heron's formula, and the area again from the coordinates as a check;
// collinear and coincident points said in words.
Working PointsWorking(const PointsResult& result, std::string_view mark);

inline constexpr std::string_view kPointsHeading = "I punti e le distanze";

}  // namespace pr::working
