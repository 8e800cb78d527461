#pragma once

namespace pr::figure {

// The printed page. The figure is printed at its true size: each raster
// pixel is as many twips on paper as on the screen (15 at 96 DPI), and a
// twip is 1/1440 inch, so the 6400-twip plot square is 4.44 in (112.9 mm) a
// side. Lengths below are in millimetres; the title in points.
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kFileMarginMm = 15.0;  // the page margins of a saved PDF
inline constexpr double kTitleGapMm = 6.0;     // between the title line and the figure
inline constexpr double kTextGapMm = 6.0;      // between the figure and the texts below it
inline constexpr double kTitlePoints = 13.2;   // the size of the window's largest caption

}  // namespace pr::figure
