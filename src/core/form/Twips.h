#pragma once

#include <cmath>

namespace pr {

inline constexpr double kTwipsPerInch = 1440.0;
// The logical DPI of an ordinary screen, and of the page's CSS pixel: 15
// twips to a pixel.
inline constexpr double kStandardDpi = 96.0;

// A layout position or size in twips as logical pixels of a screen with
// `logicalDpi` dots per inch.
inline int TwipsToPixels(double twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// The smallest number of pixels that covers `twips` (a window must show the
// whole layout, never a pixel less).
inline int PixelsCovering(double twips, double logicalDpi) {
  return static_cast<int>(std::ceil(twips * logicalDpi / kTwipsPerInch));
}

// Twips per device pixel: 15 at 96 DPI, 7.5 at device pixel ratio 2. The
// window and the page compute it alike, so both give the same double for the
// same ratio.
inline double TwipsPerPixel(double logicalDpi, double devicePixelRatio) {
  return kTwipsPerInch / (logicalDpi * devicePixelRatio);
}

}  // namespace pr
