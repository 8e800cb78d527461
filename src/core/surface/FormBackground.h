#pragma once

#include "core/surface/Colour.h"

namespace pr {

// The background of the whole form and its drawing surface, on the desktop
// and in the page alike, whatever the desktop's theme. Silver, not the usual
// window grey (#EFEFEF): on that the white and the yellow line were all but
// invisible on a projector or on paper. On silver every colour the program
// draws keeps a luminance contrast of at least 1.3:1, white and yellow 1.6:1.
inline constexpr Colour kFormBackground = 0xC0C0C0;

}  // namespace pr
