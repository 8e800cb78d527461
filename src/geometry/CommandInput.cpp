#include "geometry/CommandInput.h"

#include <array>

#include "core/form/Form.h"
#include "core/numbers/ExactDecimal.h"

namespace pr {

CommandInput ReadCommandInput(const Form& form) {
  // The coordinates and the full scale, exactly and as doubles.
  std::array<ExactReading, kInputBoxes.size() - 1> c;
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = ValExactly(form.Text(kInputBoxes[i]));
  ExactReading fullScale = ValExactly(form.Text(InputBox::FullScale));
  return CommandInput{
      .p1 = {c[0].value, c[1].value},
      .p2 = {c[2].value, c[3].value},
      .p3 = {c[4].value, c[5].value},
      .fullScale = fullScale.value,
      .exact1 = {std::move(c[0].exact), std::move(c[1].exact)},
      .exact2 = {std::move(c[2].exact), std::move(c[3].exact)},
      .exact3 = {std::move(c[4].exact), std::move(c[5].exact)},
      .exactFullScale = std::move(fullScale.exact),
  };
}

}  // namespace pr
