#include "core/surface/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "core/surface/PixelCircle.h"
#include "core/surface/PixelLine.h"

namespace pr {

namespace {

int NotNegative(int size) { return std::max(size, 0); }

std::size_t AreaOf(int width, int height) { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }

double CheckedTwipsPerPixel(double twipsPerPixel) {
  if (!(twipsPerPixel > 0.0) || !std::isfinite(twipsPerPixel)) {
    throw std::invalid_argument("twips per pixel must be positive and finite");
  }
  return twipsPerPixel;
}

// A twip coordinate in pixel units, with the same division CellOf floors, so
// the pixel a line or circle starts from is the one PSet would set.
double InPixels(float twips, double twipsPerPixel) { return static_cast<double>(twips) / twipsPerPixel; }

int CheckedDotSize(int dotSize) {
  if (dotSize < 1) throw std::invalid_argument("a dot is at least one pixel");
  return dotSize;
}

// Far beyond any screen; keeps a dot's square within int arithmetic.
constexpr int kLargestDot = 64;

}  // namespace

int DotSizeFor(double scale) {
  if (!(scale >= 1.0)) return 1;  // also NaN
  return static_cast<int>(std::lround(std::min(scale, static_cast<double>(kLargestDot))));
}

RasterSurface::RasterSurface(int width, int height, double twipsPerPixel, Colour background, int dotSize)
    : width_(NotNegative(width)),
      height_(NotNegative(height)),
      twipsPerPixel_(CheckedTwipsPerPixel(twipsPerPixel)),
      background_(background),
      dotSize_(CheckedDotSize(dotSize)),
      pixels_(AreaOf(width_, height_), ToRgb32(background)) {}

// Clearing is most of a command's time. One row is filled and copied to the
// others: memcpy's speed does not depend on where a loop's code happens to
// land, a plain fill loop's does (by a factor of three between builds).
void RasterSurface::Cls() {
  if (pixels_.empty()) return;
  std::fill_n(pixels_.data(), width_, ToRgb32(background_));
  const auto rowBytes = static_cast<std::size_t>(BytesPerLine());
  for (int y = 1; y < height_; ++y) std::memcpy(pixels_.data() + Index(0, y), pixels_.data(), rowBytes);
}

void RasterSurface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  const std::optional<float> sx1 = NarrowToSingle(x1);
  const std::optional<float> sy1 = NarrowToSingle(y1);
  const std::optional<float> sx2 = NarrowToSingle(x2);
  const std::optional<float> sy2 = NarrowToSingle(y2);
  if (!sx1 || !sy1 || !sx2 || !sy2) return;
  const PixelPoint from{InPixels(*sx1, twipsPerPixel_), InPixels(*sy1, twipsPerPixel_)};
  const PixelPoint to{InPixels(*sx2, twipsPerPixel_), InPixels(*sy2, twipsPerPixel_)};
  const std::uint32_t rgb = ToRgb32(colour);
  StepPixelLine(from, to, width_, height_, [this, rgb](int x, int y) { Plot(x, y, rgb); });
}

void RasterSurface::Circle(double x, double y, double radius, Colour colour) {
  const std::optional<float> sx = NarrowToSingle(x);
  const std::optional<float> sy = NarrowToSingle(y);
  // The radius is a single too: beyond the single range the ring is off the surface.
  const std::optional<float> sr = NarrowToSingle(radius);
  if (!sx || !sy || !sr) return;
  const double column = std::floor(InPixels(*sx, twipsPerPixel_));
  const double row = std::floor(InPixels(*sy, twipsPerPixel_));
  const std::uint32_t rgb = ToRgb32(colour);
  StepPixelCircle(column, row, InPixels(*sr, twipsPerPixel_), width_, height_,
                  [this, rgb](int px, int py) { Plot(px, py, rgb); });
}

void RasterSurface::Rescale(int width, int height, double twipsPerPixel, int dotSize) {
  twipsPerPixel_ = CheckedTwipsPerPixel(twipsPerPixel);
  dotSize_ = CheckedDotSize(dotSize);
  width_ = NotNegative(width);
  height_ = NotNegative(height);
  pixels_.assign(AreaOf(width_, height_), ToRgb32(background_));
}

// The square starts (dotSize - 1) / 2 cells before the dot's own cell, so
// it stays as nearly centred on the cell as a whole number of pixels allows.
void RasterSurface::PlotSquare(int x, int y, std::uint32_t rgb) {
  const int firstColumn = x - (dotSize_ - 1) / 2;
  const int firstRow = y - (dotSize_ - 1) / 2;
  const int left = std::max(firstColumn, 0);
  const int top = std::max(firstRow, 0);
  const int right = std::min(firstColumn + dotSize_, width_);
  const int bottom = std::min(firstRow + dotSize_, height_);
  for (int row = top; row < bottom; ++row) {
    for (int column = left; column < right; ++column) {
      pixels_[Index(column, row)] = rgb;
    }
  }
}

}  // namespace pr
