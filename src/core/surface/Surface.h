#pragma once

#include "core/surface/Colour.h"

namespace pr {

class RasterSurface;

// The window's drawing surface as the handlers see it. Coordinates are twips
// from the top-left of the client area, y downwards. Each operation narrows
// its coordinates to single precision (NarrowToSingle) before it draws; a
// coordinate that is not finite or beyond the single range is off the
// surface, like any other point off the surface: not drawn, and no error.
class Surface {
 public:
  virtual ~Surface() = default;

  // Fills the surface with the background colour; all drawing is gone.
  virtual void Cls() = 0;
  // Sets one point.
  virtual void PSet(double x, double y, Colour colour) = 0;
  // A solid line one pixel wide, both ends included.
  virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
  // An unfilled circle one pixel wide (never an ellipse); radius in twips.
  virtual void Circle(double x, double y, double radius, Colour colour) = 0;

  // The pixels behind the surface, when there are any. Drawing code that
  // sets millions of dots writes them as spans through it; a surface without
  // pixels (the recording surface of the tests) gets every dot one by one.
  virtual RasterSurface* Raster() { return nullptr; }
};

}  // namespace pr
