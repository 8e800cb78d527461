#include "geometry/drag/BoxStep.h"

#include "core/numbers/RuntimeError.h"
#include "core/numbers/TypedText.h"

namespace pr::drag {

std::optional<std::string> SteppedText(std::string_view boxText, std::string_view fullScaleText, int direction,
                                       Snap snap) {
  ExactReading value;
  ExactReading fullScale;
  try {
    value = ValExactly(boxText);
    fullScale = ValExactly(fullScaleText);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
  if (fullScale.value == 0) return std::nullopt;
  ExactDecimal step = GridStep(fullScale.exact, snap);
  if (direction < 0) step.significand = -step.significand;
  return TypedText(Sum(value.exact, step));
}

}  // namespace pr::drag
