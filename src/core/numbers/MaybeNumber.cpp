#include "core/numbers/MaybeNumber.h"

#include "core/numbers/DecimalText.h"

namespace pr {

std::string NumberToText(const MaybeNumber& v) {
  if (v.IsUnset()) return {};
  if (v.Value() == 0.0) return "0";  // -0 too: a zero never shows a sign
  return ShortestText(v.Value());
}

}  // namespace pr
