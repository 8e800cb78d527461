#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pr::working {

// One line of working as a teacher writes it on the board:
//   quantity = formula = substitution = exact forms... ≈ shown
// e.g. d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (3 − 1)²)
//      = √(1 + 4) = √5 ≈ 2,24.
// `shown` is always the number exactly as the result label writes it.
struct Step {
  std::string quantity{};      // "d(P1, P2)", "m", "A"
  std::string formula{};       // with the coordinates' names
  std::string substitution{};  // the same with the numbers the command read
  // The substitution is only close to the formula's value (the numbers put
  // in are rounded): it follows "≈" instead of "=".
  bool substitutionRounded = false;
  std::vector<std::string> exact{};  // exact values in textbook notation
  std::string connector{};           // " = ", " ≈ " or words, before `shown`
  std::string shown{};               // "2,24": the label's own text
};

// A title over a group of steps ("I punti e le distanze").
struct Heading {
  std::string text;
};

// A sentence saying what the numbers mean ("I tre punti sono allineati...").
struct Sentence {
  std::string text;
};

using Item = std::variant<Heading, Step, Sentence>;

// The working of one command, in reading order. Empty before any command.
struct Working {
  std::vector<Item> items;
};

// What the working's window or panel says before any button was pressed.
inline constexpr std::string_view kNoWorkingYet =
    "Premi uno dei quattro pulsanti: qui compare il procedimento del comando, passo per passo.";

// A step as one line of text (no line break).
std::string StepText(const Step& step);

// The whole working as plain text, one item per line, each ending in "\n".
std::string WorkingText(const Working& working);

}  // namespace pr::working
