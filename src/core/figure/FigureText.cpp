#include "core/figure/FigureText.h"

#include <array>
#include <optional>

#include "core/form/FormLayout.h"
#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"

namespace pr::figure {
namespace {

constexpr std::string_view kNothingDrawn = "Nessun comando ha ancora disegnato una figura.\n";
// A box the last command did not reach: an earlier box stopped it.
constexpr std::string_view kNotRead = "non letto";

// One input row of the summary: a point's two boxes, or the full scale alone.
struct InputRow {
  std::string_view heading;
  InputBox xBox;
  std::optional<InputBox> yBox;  // none for the full scale
};
constexpr std::array<InputRow, 4> kInputs{{
    {"P1 (x1; y1)", InputBox::X1, InputBox::Y1},
    {"P2 (x2; y2)", InputBox::X2, InputBox::Y2},
    {"P3 (x3; y3)", InputBox::X3, InputBox::Y3},
    {"Fondo scala", InputBox::FullScale, std::nullopt},
}};

// A result line: the caption of its heading label (if any), then the result label's.
struct ResultRow {
  std::optional<HeadingLabel> heading;
  ResultLabel result;
};
constexpr std::array<ResultRow, 7> kResults{{
    {HeadingLabel::DistanceP1P2, ResultLabel::DistanceP1P2},
    {HeadingLabel::DistanceP1P3, ResultLabel::DistanceP1P3},
    {HeadingLabel::DistanceP2P3, ResultLabel::DistanceP2P3},
    {HeadingLabel::Area, ResultLabel::Area},
    {std::nullopt, ResultLabel::EquationP1P2},
    {std::nullopt, ResultLabel::EquationP1P3},
    {std::nullopt, ResultLabel::EquationP2P3},
}};
constexpr std::size_t kDistanceRows = 3;
constexpr std::string_view kWorkingHeading = "Procedimento";

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The number a command reads from a box, shortest round-trip digits; a box
// the command could not read (Overflow) says so instead.
std::string AsRead(std::string_view typed, std::string_view decimalMark) {
  double value = 0;
  try {
    value = Val(typed);
  } catch (const RuntimeError&) {
    return "illeggibile (Overflow)";
  }
  // Not std::to_chars: the browser build's library lacks it for doubles,
  // and this text must read the same in both builds.
  std::string text = ShortestText(value);
  if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, decimalMark);
  return text;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The text a box held when the last command read it.
std::optional<std::string> ReadText(const LastPress& last, InputBox box) {
  for (const ReadBox& read : last.Inputs()) {
    if (read.box == box) return read.text;
  }
  return std::nullopt;
}

std::string ValueOf(const std::optional<std::string>& typed, std::string_view mark) {
  return typed ? AsRead(*typed, mark) : std::string(kNotRead);
}
std::string TypedOf(const std::optional<std::string>& typed) { return typed ? Quoted(*typed) : std::string(kNotRead); }

std::string InputLine(const InputRow& row, const LastPress& last, std::string_view mark) {
  const std::optional<std::string> x = ReadText(last, row.xBox);
  if (!row.yBox) {
    return std::string(row.heading) + " = " + ValueOf(x, mark) + "   (scritto " + TypedOf(x) + ")\n";
  }
  const std::optional<std::string> y = ReadText(last, *row.yBox);
  return std::string(row.heading) + " = (" + ValueOf(x, mark) + "; " + ValueOf(y, mark) + ")   (scritti " + TypedOf(x) +
         "; " + TypedOf(y) + ")\n";
}

// A static caption, as the layout gives it.
std::string StaticCaption(HeadingLabel label) {
  const ControlId control = ControlOf(label);
  return std::string(layout::Find(control.name, control.index)->caption);
}

}  // namespace

std::string FigureText(const LastPress& last, std::string_view decimalMark) {
  if (last.LastCommand() == nullptr) return std::string(kNothingDrawn);
  std::string text;
  for (const InputRow& row : kInputs) text += InputLine(row, last, decimalMark);
  bool distancesHeaded = false;
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    const ResultRow& row = kResults[i];
    const std::string* caption = last.CurrentCaption(row.result);
    const std::string result = caption ? Trimmed(*caption) : std::string();
    if (result.empty()) continue;
    if (i < kDistanceRows && !distancesHeaded) {
      text += StaticCaption(HeadingLabel::Distances) + ":\n";
      distancesHeaded = true;
    }
    if (row.heading) text += Trimmed(StaticCaption(*row.heading)) + " = ";
    text += result + "\n";
  }
  if (!last.Working().items.empty()) text += std::string(kWorkingHeading) + "\n" + working::WorkingText(last.Working());
  return text;
}

}  // namespace pr::figure
