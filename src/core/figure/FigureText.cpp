#include "core/figure/FigureText.h"

#include <array>
#include <optional>

#include "core/form/FormLayout.h"
#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"

namespace pr::figure {
namespace {

using layout::kInputBoxes;

constexpr std::string_view kNothingDrawn = "Nessun comando ha ancora disegnato una figura.\n";
// A box the last command did not reach: an earlier box stopped it.
constexpr std::string_view kNotRead = "non letto";

// One input row of the summary: a point's two boxes, or the full scale alone.
struct InputRow {
  std::string_view heading;
  ControlId xBox;
  std::optional<ControlId> yBox;  // none for the full scale
};
constexpr std::array<InputRow, 4> kInputs{{
    {"P1 (x1; y1)", kInputBoxes[0], kInputBoxes[1]},
    {"P2 (x2; y2)", kInputBoxes[2], kInputBoxes[3]},
    {"P3 (x3; y3)", kInputBoxes[4], kInputBoxes[5]},
    {"Fondo scala", kInputBoxes[6], std::nullopt},
}};

// A result line: the caption of its heading label (if any), then the result label's.
struct ResultRow {
  std::string_view headingLabel;
  std::string_view resultLabel;
};
constexpr std::array<ResultRow, 7> kResults{{
    {"Label12", "Label3"},
    {"Label14", "Label4"},
    {"Label15", "Label5"},
    {"Label18", "Label17"},
    {"", "Label19"},
    {"", "Label20"},
    {"", "Label21"},
}};
constexpr std::string_view kDistancesHeading = "Label16";
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
std::optional<std::string> ReadText(const LastCommand& last, const ControlId& box) {
  for (const ReadBox& read : last.Inputs()) {
    if (read.name == box.name && read.index == box.index) return read.text;
  }
  return std::nullopt;
}

std::string ValueOf(const std::optional<std::string>& typed, std::string_view mark) {
  return typed ? AsRead(*typed, mark) : std::string(kNotRead);
}
std::string TypedOf(const std::optional<std::string>& typed) { return typed ? Quoted(*typed) : std::string(kNotRead); }

std::string InputLine(const InputRow& row, const LastCommand& last, std::string_view mark) {
  const std::optional<std::string> x = ReadText(last, row.xBox);
  if (!row.yBox) {
    return std::string(row.heading) + " = " + ValueOf(x, mark) + "   (scritto " + TypedOf(x) + ")\n";
  }
  const std::optional<std::string> y = ReadText(last, *row.yBox);
  return std::string(row.heading) + " = (" + ValueOf(x, mark) + "; " + ValueOf(y, mark) + ")   (scritti " + TypedOf(x) +
         "; " + TypedOf(y) + ")\n";
}

// A static caption, as the layout gives it.
std::string StaticCaption(std::string_view label) { return std::string(layout::Find(label)->caption); }

}  // namespace

std::string FigureText(const LastCommand& last, std::string_view decimalMark, std::string_view working) {
  if (!last.HasRun()) return std::string(kNothingDrawn);
  std::string text;
  for (const InputRow& row : kInputs) text += InputLine(row, last, decimalMark);
  bool distancesHeaded = false;
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    const ResultRow& row = kResults[i];
    const std::string* caption = last.CurrentCaption(row.resultLabel);
    const std::string result = caption ? Trimmed(*caption) : std::string();
    if (result.empty()) continue;
    if (i < kDistanceRows && !distancesHeaded) {
      text += StaticCaption(kDistancesHeading) + ":\n";
      distancesHeaded = true;
    }
    if (!row.headingLabel.empty()) text += Trimmed(StaticCaption(row.headingLabel)) + " = ";
    text += result + "\n";
  }
  if (!working.empty()) text += std::string(kWorkingHeading) + "\n" + std::string(working);
  return text;
}

}  // namespace pr::figure
