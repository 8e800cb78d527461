#include "geometry/PointsAndDistances.h"

#include <array>
#include <string_view>

#include "core/form/Form.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/Format.h"
#include "core/surface/Colour.h"
#include "geometry/CommandInput.h"
#include "geometry/OnOneLine.h"
#include "geometry/PointMarkers.h"
#include "plot/DrawPlotBackground.h"

namespace pr {
namespace {

struct Segment {
  int from;
  int to;
};

struct DistanceRow {
  Segment points;
  std::string_view label;
};

constexpr std::array<DistanceRow, 3> kDistances = {{
    {{0, 1}, "Label3"},
    {{0, 2}, "Label4"},
    {{1, 2}, "Label5"},
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

double Distance(Point a, Point b) {
  const double dx = checked::Sub(a.x, b.x);
  const double dy = checked::Sub(a.y, b.y);
  return checked::Sqr(checked::Add(checked::Mul(dx, dx), checked::Mul(dy, dy)));
}

double HeronArea(double d12, double d13, double d23) {
  const double s = checked::Div(checked::Add(checked::Add(d12, d13), d23), 2.0);
  const double product = checked::Mul(
      checked::Mul(checked::Mul(s, checked::Sub(s, d12)), checked::Sub(s, d13)), checked::Sub(s, d23));
  if (product < 0.0) return 0.0;
  return checked::Sqr(product);
}

void RunPointsCommand(Form& form) {
  Surface& surface = form.Canvas();
  form.SetCaption("Label11", "");
  surface.Cls();
  DrawPlotBackground(surface);
  const CommandInput input = ReadCommandInput(form);
  if (FullScaleGuardStops(input)) return;

  DrawPointMarkers(surface, input);
  const std::string mark = form.DecimalMark();
  std::array<double, kDistances.size()> sides{};
  for (std::size_t i = 0; i < kDistances.size(); ++i) {
    const DistanceRow& row = kDistances[i];
    sides[i] = Distance(input.PointAt(row.points.from), input.PointAt(row.points.to));
    form.SetCaption(row.label, Format(sides[i], kDistancePattern, mark));
  }
  DrawTriangle(surface, input);
  const double area = OnOneLine(input.p1, input.p2, input.p3) ? 0.0 : HeronArea(sides[0], sides[1], sides[2]);
  form.SetCaption("Label17", Format(area, kAreaPattern, mark));
}

}  // namespace pr
