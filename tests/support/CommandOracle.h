#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/figure/Working.h"
#include "core/form/ControlNames.h"
#include "core/numbers/RuntimeError.h"

namespace pr {
class Form;
}  // namespace pr

namespace pr::test {
class FakeForm;

// The seven boxes as typed: x1, y1, x2, y2, x3, y3, full scale.
using BoxTexts = std::array<std::string, 7>;
using Captions = std::map<ResultLabel, std::string>;
using CaptionWrites = std::vector<std::pair<ResultLabel, std::string>>;

// Types the seven texts into the form's boxes.
void TypeBoxes(FakeForm& form, const BoxTexts& texts);

// What the result labels show now.
Captions ResultCaptions(const FakeForm& form);

// One finished run of a command, as seen from outside.
struct CommandRun {
  int command = 0;                  // 0..3 for Command1..Command4
  const BoxTexts* texts = nullptr;  // what the boxes held
  std::string mark;                 // the locale's decimal mark
  Captions before;                  // every result label before the run
  Captions after;                   // and after it
  CaptionWrites writes;             // every caption written during the run
  std::optional<ErrorCode> error;   // the run-time error that ended it
  working::Working working;         // the working the press made
};

// The first rule the run broke, in words; empty when it kept them all. The
// rules: a command writes only its own labels, empties the ones it clears,
// writes numbers only in their shapes and close to the exact values of the
// input, leaves its labels alone where it ends early, and fails only with
// Overflow, never on ordinary numbers.
std::string BrokenRule(const CommandRun& run);

}  // namespace pr::test
