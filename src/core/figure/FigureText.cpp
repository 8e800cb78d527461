#include "core/figure/FigureText.h"

#include <array>

#include "core/numbers/DecimalText.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/Val.h"

namespace pr::figure {
namespace {

constexpr int kNoIndex = -1;

// One input row of the summary: a point's two boxes, or the full scale alone.
struct InputRow {
  std::string_view heading;
  std::string_view xBox;
  std::string_view yBox;  // empty for the full scale
  int index;
};
constexpr std::array<InputRow, 4> kInputs{{
    {"P1 (x1; y1)", "Text1", "Text2", 0},
    {"P2 (x2; y2)", "Text1", "Text2", 1},
    {"P3 (x3; y3)", "Text1", "Text2", 2},
    {"Fondo scala", "Text4", "", kNoIndex},
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

std::string InputLine(const InputRow& row, const ShownText& shown, std::string_view mark) {
  const std::string x = shown(row.xBox, row.index);
  if (row.yBox.empty()) {
    return std::string(row.heading) + " = " + AsRead(x, mark) + "   (scritto " + Quoted(x) + ")\n";
  }
  const std::string y = shown(row.yBox, row.index);
  return std::string(row.heading) + " = (" + AsRead(x, mark) + "; " + AsRead(y, mark) + ")   (scritti " +
         Quoted(x) + "; " + Quoted(y) + ")\n";
}

}  // namespace

std::string FigureText(const ShownText& shown, std::string_view decimalMark, std::string_view working) {
  std::string text;
  for (const InputRow& row : kInputs) text += InputLine(row, shown, decimalMark);
  bool distancesHeaded = false;
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    const ResultRow& row = kResults[i];
    const std::string result = Trimmed(shown(row.resultLabel, kNoIndex));
    if (result.empty()) continue;
    if (i < kDistanceRows && !distancesHeaded) {
      text += shown(kDistancesHeading, kNoIndex) + ":\n";
      distancesHeaded = true;
    }
    if (!row.headingLabel.empty()) text += Trimmed(shown(row.headingLabel, kNoIndex)) + " = ";
    text += result + "\n";
  }
  if (!working.empty()) text += std::string(kWorkingHeading) + "\n" + std::string(working);
  return text;
}

}  // namespace pr::figure
