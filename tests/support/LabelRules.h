#pragma once

#include <array>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

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
  std::string_view button;
  std::array<std::string_view, 2> cleared;  // "" where a command clears only one
  std::array<std::string_view, 4> written;  // "" past the last one
  std::string_view heading;                 // the equation's heading; "" for Command1
};

inline constexpr std::array<CommandLabels, 4> kCommandLabels = {{
    {"Command1", {"Label11", ""}, {"Label3", "Label4", "Label5", "Label17"}, ""},
    {"Command2", {"Label20", "Label21"}, {"Label19", "", "", ""}, " Retta su P1-P2      "},
    {"Command3", {"Label19", "Label21"}, {"Label20", "", "", ""}, " Retta su P1-P3      "},
    {"Command4", {"Label19", "Label20"}, {"Label21", "", "", ""}, " Retta su P2-P3      "},
}};

// Every label a command can touch.
inline constexpr std::array<std::string_view, 8> kResultLabels = {"Label3",  "Label4",  "Label5",  "Label17",
                                                                  "Label11", "Label19", "Label20", "Label21"};

}  // namespace pr::test
