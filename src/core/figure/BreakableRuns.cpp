#include "core/figure/BreakableRuns.h"

#include <array>
#include <string>

namespace pr::figure {
namespace {

// Signs that belong with the term after them: no break right after one.
constexpr std::array<std::string_view, 12> kSigns = {"=", "≈", "+", "−", "-", "·", "/", "×", "<", ">", "≤", "≥"};
// Signs that bind the terms on both sides: no break before one either.
constexpr std::array<std::string_view, 3> kBinding = {"/", "·", "×"};

template <std::size_t N>
bool OneOf(std::string_view word, const std::array<std::string_view, N>& signs) {
  for (const std::string_view sign : signs) {
    if (word == sign) return true;
  }
  return false;
}

// The blank-free word that starts at `from`.
std::string_view WordAt(std::string_view line, std::size_t from) {
  const std::size_t end = line.find(' ', from);
  return line.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

// The open brackets, innermost last; "|" and "\"" close what they opened.
class Nesting {
 public:
  void Take(char c) {
    switch (c) {
      case '(':
      case '[':
      case '{':
        open_.push_back(c);
        break;
      case ')':
        Close('(');
        break;
      case ']':
        Close('[');
        break;
      case '}':
        Close('{');
        break;
      case '|':
      case '"':
        if (!open_.empty() && open_.back() == c) {
          open_.pop_back();
        } else {
          open_.push_back(c);
        }
        break;
      default:
        break;
    }
  }
  bool Outside() const { return open_.empty(); }

 private:
  // A closing bracket with no opening one is a stray character, not a close.
  void Close(char opening) {
    if (!open_.empty() && open_.back() == opening) open_.pop_back();
  }
  std::string open_;
};

}  // namespace

std::vector<std::string_view> BreakableRuns(std::string_view line) {
  std::vector<std::string_view> runs;
  if (line.empty()) return runs;
  Nesting nesting;
  std::size_t runStart = 0;
  std::size_t wordStart = 0;  // where the word before the blank began
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c != ' ') {
      nesting.Take(c);
      continue;
    }
    const std::string_view before = line.substr(wordStart, i - wordStart);
    wordStart = i + 1;
    if (!nesting.Outside() || before.empty() || i + 1 == line.size() || line[i + 1] == ' ') continue;
    if (OneOf(before, kSigns) || OneOf(WordAt(line, i + 1), kBinding)) continue;
    runs.push_back(line.substr(runStart, i - runStart));
    runStart = i + 1;
  }
  runs.push_back(line.substr(runStart));
  return runs;
}

}  // namespace pr::figure
