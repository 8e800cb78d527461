#pragma once

#include <cmath>

namespace pr::window {

inline constexpr double kTwipsPerInch = 1440.0;

// A layout position or size in twips as logical pixels of a screen with
// `logicalDpi` dots per inch (96: 15 twips to a pixel).
inline int TwipsToPixels(double twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// The smallest number of pixels that covers `twips` (a window must show the
// whole layout, never a pixel less).
inline int PixelsCovering(double twips, double logicalDpi) {
  return static_cast<int>(std::ceil(twips * logicalDpi / kTwipsPerInch));
}

// Twips per device pixel: 15 at 96 DPI, 7.5 at device pixel ratio 2.
inline double TwipsPerPixel(double logicalDpi, double devicePixelRatio) {
  return kTwipsPerInch / (logicalDpi * devicePixelRatio);
}

}  // namespace pr::window
