#include "geometry/CommandInput.h"

#include <array>

#include "core/form/Form.h"
#include "core/form/FormLayout.h"
#include "core/numbers/Val.h"

namespace pr {

CommandInput ReadCommandInput(const Form& form) {
  std::array<double, layout::kInputBoxes.size()> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const ControlId& box = layout::kInputBoxes[i];
    values[i] = Val(form.Text(box.name, box.index));
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
