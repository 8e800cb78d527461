#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "core/numbers/RuntimeError.h"
#include "core/surface/RasterSurface.h"
#include "geometry/sweep/FastSweep.h"
#include "geometry/sweep/PlainSweep.h"
#include "geometry/sweep/TracedLine.h"
#include "plot/DrawPlotBackground.h"

namespace pr::test {

// The client area at 96 DPI (15 twips a pixel) and the same window at
// scale 2 (device pixel ratio 2, or 200 %), its dots two pixels wide: where
// they overlap, the later dot must show in both sweeps.
struct RasterShape {
  int width;
  int height;
  double twipsPerPixel;
  int dotSize = 1;
};
inline constexpr RasterShape kRaster96Dpi{974, 576, 15.0};
inline constexpr RasterShape kRasterRatio2{1948, 1152, 7.5, 2};

// What a sweep left: the raster, and the error it ended with, if any.
struct SweepOutcome {
  RasterSurface raster;
  std::optional<ErrorCode> error;
};

template <typename SweepFn>
SweepOutcome RunOnBackground(const RasterShape& shape, SweepFn sweep) {
  SweepOutcome outcome{RasterSurface(shape.width, shape.height, shape.twipsPerPixel, 0xFFFFFF, shape.dotSize),
                       std::nullopt};
  DrawPlotBackground(outcome.raster);
  try {
    sweep(outcome.raster);
  } catch (const RuntimeError& e) {
    outcome.error = e.Code();
  }
  return outcome;
}

// The pixels where two rasters differ, "(x, y) plain -> fast" for the first few.
inline std::string PixelDifferences(const RasterSurface& plain, const RasterSurface& fast, int* count) {
  std::ostringstream text;
  *count = 0;
  for (int y = 0; y < plain.Height(); ++y) {
    for (int x = 0; x < plain.Width(); ++x) {
      if (plain.PixelAt(x, y) == fast.PixelAt(x, y)) continue;
      if (++*count <= 8) {
        text << " (" << x << ", " << y << ") " << std::hex << plain.PixelAt(x, y) << " -> " << fast.PixelAt(x, y)
             << std::dec;
      }
    }
  }
  return text.str();
}

// Sweeps the lines both ways on the same background and expects the same
// pixels and the same ending.
inline void ExpectFastSweepLikePlain(const RasterShape& shape, double fullScale, std::span<const TracedLine> lines) {
  const SweepOutcome plain = RunOnBackground(shape, [&](RasterSurface& r) { PlainSweep(r, fullScale, lines); });
  const SweepOutcome fast = RunOnBackground(shape, [&](RasterSurface& r) { FastSweep(r, fullScale, lines); });
  EXPECT_EQ(plain.error, fast.error) << "fs = " << fullScale;
  int differing = 0;
  const std::string where = PixelDifferences(plain.raster, fast.raster, &differing);
  EXPECT_EQ(differing, 0) << "fs = " << fullScale << ", " << shape.twipsPerPixel
                          << " twips a pixel, differing pixels:" << where;
}

// Command2's pair: the line in black, then its perpendicular through (0; q)
// in red (the y axis when the line is horizontal).
inline std::vector<TracedLine> LineAndPerpendicular(double slope, double intercept) {
  std::vector<TracedLine> lines{{TracedLine::Kind::Sloped, slope, intercept, 0x000000}};
  if (slope == 0) {
    lines.push_back({TracedLine::Kind::VerticalAxis, 0.0, 0.0, 0x0000FF});
  } else {
    lines.push_back({TracedLine::Kind::Sloped, -1.0 / slope, intercept, 0x0000FF});
  }
  return lines;
}

inline std::vector<TracedLine> SingleLine(double slope, double intercept, Colour colour = 0x00FFFF) {
  return {{TracedLine::Kind::Sloped, slope, intercept, colour}};
}

}  // namespace pr::test
