#pragma once

#include <array>
#include <optional>

#include "core/form/ControlId.h"

// The controls the program's code speaks of, by what they are for, and the
// one table that gives each its name on the form ("Command2", "Label17").
// Everything past this edge says Button::LineP1P2, not "Command2".
namespace pr {

// The four buttons: Command1 to Command4.
enum class Button { Points, LineP1P2, LineP1P3, LineP2P3 };

// The seven input boxes, in the order a command reads them: Text1(0),
// Text2(0), Text1(1), Text2(1), Text1(2), Text2(2), Text4.
enum class InputBox { X1, Y1, X2, Y2, X3, Y3, FullScale };

// The labels a command writes: Label11 (emptied by Command1, never
// filled), the distances Label3, Label4, Label5, the area Label17 and the
// equations Label19, Label20, Label21.
enum class ResultLabel {
  Spare,
  DistanceP1P2,
  DistanceP1P3,
  DistanceP2P3,
  Area,
  EquationP1P2,
  EquationP1P3,
  EquationP2P3
};

// The static captions the figure's text quotes: "Distanze tra i punti",
// "P1-P2", "P1-P3", "P2-P3" (Label16, Label12, Label14, Label15) and
// "Area triang." (Label18).
enum class HeadingLabel { Distances, DistanceP1P2, DistanceP1P3, DistanceP2P3, Area };

inline constexpr std::array<Button, 4> kButtons{Button::Points, Button::LineP1P2, Button::LineP1P3, Button::LineP2P3};
inline constexpr std::array<InputBox, 7> kInputBoxes{InputBox::X1, InputBox::Y1, InputBox::X2,       InputBox::Y2,
                                                     InputBox::X3, InputBox::Y3, InputBox::FullScale};
inline constexpr std::array<ResultLabel, 8> kResultLabels{
    ResultLabel::Spare, ResultLabel::DistanceP1P2, ResultLabel::DistanceP1P3, ResultLabel::DistanceP2P3,
    ResultLabel::Area,  ResultLabel::EquationP1P2, ResultLabel::EquationP1P3, ResultLabel::EquationP2P3};

ControlId ControlOf(Button button);
ControlId ControlOf(InputBox box);
ControlId ControlOf(ResultLabel label);
ControlId ControlOf(HeadingLabel label);

// The reverse: which button, box or result label a control of the form is.
std::optional<Button> ButtonAt(const ControlId& control);
std::optional<InputBox> InputBoxAt(const ControlId& control);
std::optional<ResultLabel> ResultLabelAt(const ControlId& control);

// The x box (0) or y box (1) of point 0, 1 or 2.
inline InputBox CoordinateBox(int point, int axis) { return kInputBoxes[static_cast<std::size_t>(2 * point + axis)]; }

}  // namespace pr
