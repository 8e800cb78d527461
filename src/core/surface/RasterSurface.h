#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/surface/Colour.h"
#include "core/surface/SingleCoordinates.h"
#include "core/surface/Surface.h"

namespace pr {

// A rectangle of pixels: columns [x, x + width), rows [y, y + height).
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The surface behind the window: a retained raster in device pixels,
// `twipsPerPixel` twips to a pixel (15 at 96 DPI, 7.5 at device pixel ratio 2).
// A dot is a square of `dotSize` pixels a side: a raster made for scale k
// (the form's scale times the device pixel ratio) draws each dot, and each
// step of a line or circle, about k pixels wide, so the figure looks as at
// 100 %, only larger, while its dots still fall on the finer cells.
// Pixels are 0xFFRRGGBB words, row after row, so a QImage of format RGB32
// can show them without a copy. Points off the raster are not drawn.
// A point (x, y) lands on pixel (ColumnOf(x), RowOf(y)); lines, circles and
// the fast line sweep use the same cells, so they meet the dots exactly.
class RasterSurface final : public Surface {
 public:
  RasterSurface(int width, int height, double twipsPerPixel, Colour background, int dotSize = 1);

  // Surface.
  void Cls() override;
  void PSet(double x, double y, Colour colour) override;
  void Line(double x1, double y1, double x2, double y2, Colour colour) override;
  void Circle(double x, double y, double radius, Colour colour) override;
  RasterSurface* Raster() override { return this; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  double TwipsPerPixel() const { return twipsPerPixel_; }
  Colour Background() const { return background_; }
  int DotSize() const { return dotSize_; }

  // Changes the twips-per-pixel and the dot size (a new scale, screen or
  // device pixel ratio): the whole raster is filled with the background, as
  // after Cls.
  void Rescale(int width, int height, double twipsPerPixel, int dotSize = 1);
  // The colour of pixel (x, y), which must be on the raster.
  Colour PixelAt(int x, int y) const { return FromRgb32(pixels_[Index(x, y)]); }
  // Sets the dot of a pixel cell given in pixel coordinates; ignored when the
  // cell is off the raster.
  void SetPixel(int x, int y, Colour colour);

  const std::uint32_t* Data() const { return pixels_.data(); }
  std::uint32_t* Data() { return pixels_.data(); }
  int BytesPerLine() const { return width_ * 4; }

  // The pixel cell of a single twip coordinate, saturated to [-1, Width()]
  // and [-1, Height()] (see CellOf).
  int ColumnOf(float twipsX) const;
  int RowOf(float twipsY) const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  // Sets the dot of a cell known to be on the raster.
  void Plot(int x, int y, std::uint32_t rgb) {
    if (dotSize_ > 1) {
      PlotSquare(x, y, rgb);
    } else {
      pixels_[Index(x, y)] = rgb;
    }
  }
  void PlotSquare(int x, int y, std::uint32_t rgb);

  int width_;
  int height_;
  double twipsPerPixel_;
  Colour background_;
  int dotSize_;
  std::vector<std::uint32_t> pixels_;
};

// The dot-setting calls are inline: a background is 6594 of them and a line
// sweep sets up to millions.

inline int RasterSurface::ColumnOf(float twipsX) const { return CellOf(twipsX, twipsPerPixel_, width_); }
inline int RasterSurface::RowOf(float twipsY) const { return CellOf(twipsY, twipsPerPixel_, height_); }

inline void RasterSurface::SetPixel(int x, int y, Colour colour) {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  Plot(x, y, ToRgb32(colour));
}

inline void RasterSurface::PSet(double x, double y, Colour colour) {
  SetPixel(CellOfTwips(x, twipsPerPixel_, width_), CellOfTwips(y, twipsPerPixel_, height_), colour);
}

// The dot size for a raster made for scale k: k pixels rounded, at least one.
int DotSizeFor(double scale);

}  // namespace pr
