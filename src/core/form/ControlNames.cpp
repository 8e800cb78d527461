#include "core/form/ControlNames.h"

#include <utility>

namespace pr {
namespace {

template <typename Id, std::size_t N>
using NameTable = std::array<std::pair<Id, ControlId>, N>;

constexpr NameTable<Button, 4> kButtonNames{{
    {Button::Points, {"Command1", kNoIndex}},
    {Button::LineP1P2, {"Command2", kNoIndex}},
    {Button::LineP1P3, {"Command3", kNoIndex}},
    {Button::LineP2P3, {"Command4", kNoIndex}},
}};

constexpr NameTable<InputBox, 7> kInputBoxNames{{
    {InputBox::X1, {"Text1", 0}},
    {InputBox::Y1, {"Text2", 0}},
    {InputBox::X2, {"Text1", 1}},
    {InputBox::Y2, {"Text2", 1}},
    {InputBox::X3, {"Text1", 2}},
    {InputBox::Y3, {"Text2", 2}},
    {InputBox::FullScale, {"Text4", kNoIndex}},
}};

constexpr NameTable<ResultLabel, 8> kResultLabelNames{{
    {ResultLabel::Spare, {"Label11", kNoIndex}},
    {ResultLabel::DistanceP1P2, {"Label3", kNoIndex}},
    {ResultLabel::DistanceP1P3, {"Label4", kNoIndex}},
    {ResultLabel::DistanceP2P3, {"Label5", kNoIndex}},
    {ResultLabel::Area, {"Label17", kNoIndex}},
    {ResultLabel::EquationP1P2, {"Label19", kNoIndex}},
    {ResultLabel::EquationP1P3, {"Label20", kNoIndex}},
    {ResultLabel::EquationP2P3, {"Label21", kNoIndex}},
}};

constexpr NameTable<HeadingLabel, 5> kHeadingLabelNames{{
    {HeadingLabel::Distances, {"Label16", kNoIndex}},
    {HeadingLabel::DistanceP1P2, {"Label12", kNoIndex}},
    {HeadingLabel::DistanceP1P3, {"Label14", kNoIndex}},
    {HeadingLabel::DistanceP2P3, {"Label15", kNoIndex}},
    {HeadingLabel::Area, {"Label18", kNoIndex}},
}};

template <typename Id, std::size_t N>
ControlId NameIn(const NameTable<Id, N>& table, Id id) {
  for (const auto& [key, control] : table) {
    if (key == id) return control;
  }
  return {};  // not reached: every enumerator has its row
}

template <typename Id, std::size_t N>
std::optional<Id> IdIn(const NameTable<Id, N>& table, const ControlId& control) {
  for (const auto& [key, named] : table) {
    if (named.name == control.name && named.index == control.index) return key;
  }
  return std::nullopt;
}

}  // namespace

ControlId ControlOf(Button button) { return NameIn(kButtonNames, button); }
ControlId ControlOf(InputBox box) { return NameIn(kInputBoxNames, box); }
ControlId ControlOf(ResultLabel label) { return NameIn(kResultLabelNames, label); }
ControlId ControlOf(HeadingLabel label) { return NameIn(kHeadingLabelNames, label); }

std::optional<Button> ButtonAt(const ControlId& control) { return IdIn(kButtonNames, control); }
std::optional<InputBox> InputBoxAt(const ControlId& control) { return IdIn(kInputBoxNames, control); }
std::optional<ResultLabel> ResultLabelAt(const ControlId& control) { return IdIn(kResultLabelNames, control); }

}  // namespace pr
