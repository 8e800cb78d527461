#include "geometry/CommandInput.h"

#include <array>

#include "core/form/Form.h"
#include "core/numbers/ExactDecimal.h"

namespace pr {

CommandInput ReadCommandInput(const Form& form) {
  // The coordinates and the full scale, exactly and as doubles.
  std::array<std::string, kInputBoxes.size()> texts;
  std::array<ExactReading, kInputBoxes.size() - 1> c;
  for (std::size_t i = 0; i < c.size(); ++i) {
    texts[i] = form.Text(kInputBoxes[i]);
    c[i] = ValExactly(texts[i]);
  }
  texts.back() = form.Text(InputBox::FullScale);
  ExactReading fullScale = ValExactly(texts.back());
  CommandInput input{
      .p1 = {c[0].value, c[1].value},
      .p2 = {c[2].value, c[3].value},
      .p3 = {c[4].value, c[5].value},
      .fullScale = fullScale.value,
      .exact1 = {std::move(c[0].exact), std::move(c[1].exact)},
      .exact2 = {std::move(c[2].exact), std::move(c[3].exact)},
      .exact3 = {std::move(c[4].exact), std::move(c[5].exact)},
      .texts = std::move(texts),
      .exactFullScale = std::move(fullScale.exact),
  };
  for (std::size_t i = 0; i < c.size(); ++i) input.typed[i] = std::move(c[i].typed);
  return input;
}

}  // namespace pr
