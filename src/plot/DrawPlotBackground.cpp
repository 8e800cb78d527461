#include "plot/DrawPlotBackground.h"

#include "core/surface/RasterSurface.h"
#include "plot/PlotArea.h"

namespace pr {

namespace {

using namespace plot;

struct EdgeDot {
  int y;
  Colour colour;
};
// Both land on grid dots of the line x = 0; each is set twice in a row.
constexpr EdgeDot kEdgeDots[] = {
    {kRedEdgeDotY, colours::kRed},
    {kRedEdgeDotY, colours::kRed},
    {kBlackEdgeDotY, colours::kBlack},
    {kBlackEdgeDotY, colours::kBlack},
};

// Generic over the surface so that on the raster every dot is a direct,
// inlined PSet rather than a virtual call; the calls are the same either way.
template <class Canvas>
void DrawOn(Canvas& canvas) {
  for (int x = 0; x <= kSide; x += kGridSpacing) {
    for (int y = 0; y <= kSide; y += kVerticalDotPitch) canvas.PSet(x, y, kGridColour);
  }
  // 42-twip steps stop at 6384: the horizontal lines fall short of the right edge.
  for (int y = 0; y <= kSide; y += kGridSpacing) {
    for (int x = 0; x <= kSide; x += kHorizontalDotPitch) canvas.PSet(x, y, kGridColour);
  }
  canvas.Line(kOrigin, 0, kOrigin, kSide, kAxisColour);
  canvas.Line(0, kOrigin, kSide, kOrigin, kAxisColour);
  for (const EdgeDot& dot : kEdgeDots) canvas.PSet(0, dot.y, dot.colour);
}

}  // namespace

void DrawPlotBackground(Surface& surface) {
  if (RasterSurface* raster = surface.Raster()) {
    DrawOn(*raster);
  } else {
    DrawOn(surface);
  }
}

}  // namespace pr
