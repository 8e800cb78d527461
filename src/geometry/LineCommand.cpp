#include "geometry/LineCommand.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/form/Form.h"
#include "core/numbers/Format.h"
#include "geometry/CoefficientText.h"
#include "geometry/CommandInput.h"
#include "geometry/ExactGeometry.h"
#include "geometry/PointMarkers.h"
#include "geometry/PressResult.h"
#include "geometry/sweep/LineSweep.h"
#include "geometry/sweep/TracedLine.h"
#include "plot/DrawPlotBackground.h"

namespace pr {

// One row per line button, the columns in the order of LineCommandSpec's
// fields. Command3's dots are white whatever the window's colour: they cover
// grid, axes and markers where they cross them.
const std::array<LineCommandSpec, 3> kLineCommands = {{
    // button, A, B, cleared labels, after Cls, equation label, heading, dots, perpendicular, q always
    {Button::LineP1P2,
     0,
     1,
     {ResultLabel::EquationP1P3, ResultLabel::EquationP2P3},
     true,
     ResultLabel::EquationP1P2,
     " Retta su P1-P2      ",
     colours::kBlack,
     true,
     false},
    {Button::LineP1P3,
     0,
     2,
     {ResultLabel::EquationP1P2, ResultLabel::EquationP2P3},
     false,
     ResultLabel::EquationP1P3,
     " Retta su P1-P3      ",
     colours::kWhite,
     false,
     true},
    {Button::LineP2P3,
     1,
     2,
     {ResultLabel::EquationP1P2, ResultLabel::EquationP1P3},
     false,
     ResultLabel::EquationP2P3,
     " Retta su P2-P3      ",
     colours::kYellow,
     false,
     false},
}};

const LineCommandSpec* FindLineCommand(Button button) {
  for (const LineCommandSpec& spec : kLineCommands) {
    if (spec.button == button) return &spec;
  }
  return nullptr;
}

namespace {

constexpr Colour kPerpendicularColour = colours::kRed;

void ClearLabels(Form& form, const LineCommandSpec& spec) {
  for (ResultLabel label : spec.clearedLabels) form.SetCaption(label, "");
}

void ClearSurfaceAndLabels(Form& form, const LineCommandSpec& spec) {
  if (!spec.clearLabelsAfterCls) ClearLabels(form, spec);
  form.Canvas().Cls();
  if (spec.clearLabelsAfterCls) ClearLabels(form, spec);
}

// The perpendicular through (0; q). A horizontal line has no finite -1/m:
// its perpendicular there is the y axis itself.
TracedLine PerpendicularOf(const ExactLine& line, double intercept) {
  if (line.IsHorizontal()) return {.kind = TracedLine::Kind::VerticalAxis, .colour = kPerpendicularColour};
  return {.kind = TracedLine::Kind::Sloped,
          .slope = line.PerpendicularSlope(),
          .intercept = intercept,
          .colour = kPerpendicularColour};
}

std::vector<TracedLine> LinesToTrace(const LineCommandSpec& spec, const ExactLine& line, double slope,
                                     double intercept) {
  std::vector<TracedLine> lines{
      {.kind = TracedLine::Kind::Sloped, .slope = slope, .intercept = intercept, .colour = spec.dotColour}};
  // Listed after the line, so where both dots meet the red one shows.
  if (spec.perpendicular) lines.push_back(PerpendicularOf(line, intercept));
  return lines;
}

std::string InterceptText(const LineCommandSpec& spec, const MaybeNumber& q, std::string_view mark) {
  if (spec.interceptAlwaysShown && q == 0) return "0";
  return CoefficientText(q, mark);
}

}  // namespace

std::string EquationText(const LineCommandSpec& spec, const MaybeNumber& m, const MaybeNumber& q,
                         std::string_view mark) {
  return std::string(spec.heading) + "Y = " + CoefficientText(m, mark) + " X " + InterceptText(spec, q, mark);
}

std::unique_ptr<PressResult> RunLineCommand(Form& form, const LineCommandSpec& spec) {
  Surface& surface = form.Canvas();
  ClearSurfaceAndLabels(form, spec);
  DrawPlotBackground(surface);
  const CommandInput input = ReadCommandInput(form);
  if (FullScaleGuardStops(input)) return std::make_unique<PressResult>(&spec, input, false, form.DecimalMark());
  DrawPointMarkers(surface, input);
  auto result = std::make_unique<PressResult>(&spec, input, true, form.DecimalMark());

  // m and q stay unset when the sweep has no step (a negative full scale).
  MaybeNumber m;
  MaybeNumber q;
  if (SweepHasSteps(input.fullScale)) {
    const ExactLine line(input.ExactAt(spec.first), input.ExactAt(spec.second));
    // A vertical pair has no y = m·x + q: the command ends quietly and its
    // label keeps what it showed.
    if (line.IsVertical()) return result;
    // The equation and the drawing use the same doubles, each the exact
    // value rounded once, so the line crosses the y axis where q says.
    const double slope = line.Slope();
    const double intercept = line.Intercept();
    m = slope;
    q = intercept;
    SweepLines(surface, input.fullScale, LinesToTrace(spec, line, slope, intercept));
  }
  form.SetCaption(spec.equationLabel, EquationText(spec, m, q, form.DecimalMark()));
  return result;
}

}  // namespace pr
