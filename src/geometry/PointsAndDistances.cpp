#include "geometry/PointsAndDistances.h"

#include <array>
#include <string_view>

#include "core/form/Form.h"
#include "core/numbers/Format.h"
#include "core/surface/Colour.h"
#include "geometry/CommandInput.h"
#include "geometry/ExactGeometry.h"
#include "geometry/PointMarkers.h"
#include "geometry/PressResult.h"
#include "plot/DrawPlotBackground.h"

namespace pr {
namespace {

struct Segment {
  int from;
  int to;
};

struct DistanceRow {
  Segment points;
  ResultLabel label;
};

constexpr std::array<DistanceRow, 3> kDistances = {{
    {{0, 1}, ResultLabel::DistanceP1P2},
    {{0, 2}, ResultLabel::DistanceP1P3},
    {{1, 2}, ResultLabel::DistanceP2P3},
}};

// The last side runs from P3 back to P2, not from P2 to P3: the direction
// decides which end pixels a line sets.
constexpr std::array<Segment, 3> kTriangleSides = {{{0, 1}, {0, 2}, {2, 1}}};

constexpr Colour kSideColour = colours::kBlack;

void DrawTriangle(Surface& surface, const CommandInput& input) {
  for (const Segment& side : kTriangleSides) {
    const PlotPoint from = WorldToPlot(input.PointAt(side.from), input.fullScale);
    const PlotPoint to = WorldToPlot(input.PointAt(side.to), input.fullScale);
    surface.Line(from.x, from.y, to.x, to.y, kSideColour);
  }
}

}  // namespace

std::unique_ptr<PressResult> RunPointsCommand(Form& form) {
  Surface& surface = form.Canvas();
  form.SetCaption(ResultLabel::Spare, "");
  surface.Cls();
  DrawPlotBackground(surface);
  const CommandInput input = ReadCommandInput(form);
  const std::string mark = form.DecimalMark();
  if (FullScaleGuardStops(input)) return std::make_unique<PressResult>(nullptr, input, false, mark);

  DrawPointMarkers(surface, input);
  // Each label is written as soon as its number is known: an overflow
  // further on leaves it standing.
  for (const DistanceRow& row : kDistances) {
    const double side = ExactDistance(input.ExactAt(row.points.from), input.ExactAt(row.points.to));
    form.SetCaption(row.label, Format(side, kDistancePattern, mark));
  }
  DrawTriangle(surface, input);
  const double area = ExactArea(input.exact1, input.exact2, input.exact3);
  form.SetCaption(ResultLabel::Area, Format(area, kAreaPattern, mark));
  return std::make_unique<PressResult>(nullptr, input, true, mark);
}

}  // namespace pr
