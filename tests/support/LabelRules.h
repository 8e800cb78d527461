#pragma once

#include <array>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/form/ControlNames.h"

// What a result label may show, whatever was typed into the boxes. Shared by
// the randomized property tests and the whole-commands fuzzer, so both hold
// the program to the same rules.
namespace pr::test {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "d...d<mark>dd": at least one integer digit, no leading zero before another
// digit, exactly two decimals.
inline bool IsTwoDecimals(std::string_view text, std::string_view mark) {
  const std::size_t at = text.find(mark);
  if (at == std::string_view::npos || at == 0) return false;
  const std::string_view integer = text.substr(0, at);
  const std::string_view decimals = text.substr(at + mark.size());
  if (integer.size() > 1 && integer[0] == '0') return false;
  for (const char c : integer) {
    if (!IsDigit(c)) return false;
  }
  return decimals.size() == 2 && IsDigit(decimals[0]) && IsDigit(decimals[1]);
}

// A distance or an area: " d...d<mark>dd", never negative.
inline bool IsMeasureText(std::string_view text, std::string_view mark) {
  return text.starts_with(' ') && IsTwoDecimals(text.substr(1), mark);
}

// A slope or an intercept: "+ d.dd", "- d.dd", "0" for zero, "" when unset.
inline bool IsCoefficientText(std::string_view text, std::string_view mark) {
  if (text.empty() || text == "0") return true;
  return (text.starts_with("+ ") || text.starts_with("- ")) && IsTwoDecimals(text.substr(2), mark);
}

// The two variable parts of heading + "Y = " + slope + " X " + intercept.
struct EquationParts {
  std::string_view slope;
  std::string_view intercept;
};

// Splits an equation caption; nothing when it does not have that shape.
// Neither coefficient text contains " X ", so the first one is the separator.
inline std::optional<EquationParts> SplitEquation(std::string_view text, std::string_view heading,
                                                  std::string_view mark) {
  const std::string prefix = std::string(heading) + "Y = ";
  if (!text.starts_with(prefix)) return std::nullopt;
  const std::string_view rest = text.substr(prefix.size());
  const std::size_t at = rest.find(" X ");
  if (at == std::string_view::npos) return std::nullopt;
  EquationParts parts{rest.substr(0, at), rest.substr(at + 3)};
  if (!IsCoefficientText(parts.slope, mark) || !IsCoefficientText(parts.intercept, mark)) return std::nullopt;
  return parts;
}

// The number a measure or coefficient text shows: " 1,50" is 1.5, "- 2.00"
// is -2, "0" and "" are 0. The text must have passed the checks above.
inline double ValueShown(std::string_view text, std::string_view mark) {
  const bool negative = text.starts_with('-');
  const std::size_t digitsAt = text.find_first_of("0123456789");
  if (digitsAt == std::string_view::npos) return 0.0;
  std::string digits(text.substr(digitsAt));
  if (const std::size_t at = digits.find(mark); at != std::string::npos) digits.replace(at, mark.size(), ".");
  // Read in the classic locale, with a stream: not every standard library
  // the tests are built with has a floating-point from_chars.
  std::istringstream stream(digits);
  stream.imbue(std::locale::classic());
  double value = 0.0;
  stream >> value;
  return negative ? -value : value;
}

// Which labels each command empties and which it writes.
struct CommandLabels {
  Button button;
  std::array<std::optional<ResultLabel>, 2> cleared;  // nothing where a command clears only one
  std::array<std::optional<ResultLabel>, 4> written;  // nothing past the last one
  std::string_view heading;                           // the equation's heading; "" for Command1
};

using enum ResultLabel;
inline constexpr std::optional<ResultLabel> kNone = std::nullopt;
inline constexpr std::array<CommandLabels, 4> kCommandLabels = {{
    {Button::Points, {Spare, kNone}, {DistanceP1P2, DistanceP1P3, DistanceP2P3, Area}, ""},
    {Button::LineP1P2, {EquationP1P3, EquationP2P3}, {EquationP1P2, kNone, kNone, kNone}, " Retta su P1-P2      "},
    {Button::LineP1P3, {EquationP1P2, EquationP2P3}, {EquationP1P3, kNone, kNone, kNone}, " Retta su P1-P3      "},
    {Button::LineP2P3, {EquationP1P2, EquationP1P3}, {EquationP2P3, kNone, kNone, kNone}, " Retta su P2-P3      "},
}};

// A label's name on the form, for messages: "Label17".
inline std::string NameOf(ResultLabel label) { return std::string(ControlOf(label).name); }

}  // namespace pr::test
