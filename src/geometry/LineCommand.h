#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "core/form/ControlNames.h"
#include "core/numbers/MaybeNumber.h"
#include "core/surface/Colour.h"

namespace pr {
class Form;
class PressResult;

// What tells the three line buttons apart: one row each.
struct LineCommandSpec {
  Button button;
  int first;                                 // point A: 0 for P1, 1 for P2
  int second;                                // point B
  std::array<ResultLabel, 2> clearedLabels;  // emptied at the start, in this order
  bool clearLabelsAfterCls;                  // Command2 clears the surface first
  ResultLabel equationLabel;
  std::string_view heading;  // " Retta su P1-P2      "
  Colour dotColour;
  bool perpendicular;         // Command2 also traces the perpendicular
  bool interceptAlwaysShown;  // Command3 writes "0" for a 0 or unset q
};

extern const std::array<LineCommandSpec, 3> kLineCommands;  // Command2, Command3, Command4

// The row of a line button, or null for the points button.
const LineCommandSpec* FindLineCommand(Button button);

// Clearing, background, input, guard, markers, sweep and the equation text.
std::unique_ptr<PressResult> RunLineCommand(Form& form, const LineCommandSpec& spec);

// The equation label's text: heading, "Y = ", the slope's text, " X ", the
// intercept's text (" Retta su P1-P2      Y = + 2.00 X + 1.00").
std::string EquationText(const LineCommandSpec& spec, const MaybeNumber& m, const MaybeNumber& q,
                         std::string_view mark);

}  // namespace pr
