#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/drag/GridSnap.h"

namespace pr::drag {

// Up (direction +1) or Down (-1) in a coordinate box: the value the box
// reads plus or minus one grid step of the full scale the full-scale box
// reads (Snap::Fine: a hundredth of it), exactly, written as a student
// types it. Nothing when there is no grid (a full scale of 0) or a box
// reads a number beyond the doubles, which Val itself refuses.
std::optional<std::string> SteppedText(std::string_view boxText, std::string_view fullScaleText, int direction,
                                       Snap snap);

}  // namespace pr::drag
