#include "geometry/CommandInput.h"

#include <array>
#include <string_view>

#include "core/form/Form.h"
#include "core/numbers/Val.h"

namespace pr {
namespace {

struct InputBox {
  std::string_view name;
  int index;
};

// The order in which the boxes are read: x then y of each point, the full
// scale last.
constexpr std::array<InputBox, 7> kInputBoxes = {{
    {"Text1", 0},
    {"Text2", 0},
    {"Text1", 1},
    {"Text2", 1},
    {"Text1", 2},
    {"Text2", 2},
    {"Text4", Form::kNoIndex},
}};

}  // namespace

CommandInput ReadCommandInput(const Form& form) {
  std::array<double, kInputBoxes.size()> values{};
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    values[i] = Val(form.Text(kInputBoxes[i].name, kInputBoxes[i].index));
  }
  return CommandInput{
      .p1 = {values[0], values[1]},
      .p2 = {values[2], values[3]},
      .p3 = {values[4], values[5]},
      .fullScale = values[6],
      .exact1 = {Rational(values[0]), Rational(values[1])},
      .exact2 = {Rational(values[2]), Rational(values[3])},
      .exact3 = {Rational(values[4]), Rational(values[5])},
  };
}

}  // namespace pr
