#include "core/numbers/ReadingNote.h"

#include <algorithm>

#include "core/numbers/NumberReading.h"

namespace pr {
namespace {

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

// "2,5" read as 2: a decimal comma where the program reads only the point.
// Then the text with the point is what the student meant to type.
std::optional<std::string> WithDecimalPoint(const std::string& read, std::string_view rest) {
  if (read.find_first_of(".eE") != std::string::npos || rest.size() < 2 || rest[0] != ',') return std::nullopt;
  const std::string decimals = WithoutBlanks(rest.substr(1));
  if (decimals.empty() || !std::all_of(decimals.begin(), decimals.end(), IsDigit)) return std::nullopt;
  return read + "." + decimals;
}

std::string Hint(const std::string& read, std::string_view rest) {
  if (read.empty()) return "la casella deve cominciare con un numero";
  if (const auto meant = WithDecimalPoint(read, rest)) return "i decimali si scrivono con il punto: " + *meant;
  return "ciò che segue il numero non è letto";
}

}  // namespace

std::optional<std::string> ReadingNote(std::string_view typed) {
  // A number read ends past its first digit; no number leaves the end at 0.
  const std::size_t end = ReadNumber(typed).end;
  const std::string_view rest = typed.substr(end);
  if (WithoutBlanks(rest).empty()) return std::nullopt;
  const std::string read = WithoutBlanks(typed.substr(0, end));
  return "scritto \"" + std::string(typed) + "\", letto " + (read.empty() ? "0" : read) + " (" + Hint(read, rest) + ")";
}

}  // namespace pr
