#pragma once

#include "core/surface/Colour.h"

namespace pr::plot {

// The plot area is the square (0, 0)-(6400, 6400) twips at the top-left of
// the client area; its centre is the world origin and each half-axis is 3200
// twips long, whatever the full scale.
inline constexpr int kSide = 6400;
inline constexpr int kOrigin = 3200;
inline constexpr int kGridSpacing = 320;
// The dots of a vertical grid line are 40 twips apart; those of a horizontal
// one 42, so the horizontal lines stop at 6384, not at 6400.
inline constexpr int kVerticalDotPitch = 40;
inline constexpr int kHorizontalDotPitch = 42;

inline constexpr Colour kGridColour = 7;  // black to the eye, red 7
inline constexpr Colour kAxisColour = 0;
inline constexpr int kRedEdgeDotY = 4000;
inline constexpr int kBlackEdgeDotY = 2000;

}  // namespace pr::plot
