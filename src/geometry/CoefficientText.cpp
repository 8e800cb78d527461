#include "geometry/CoefficientText.h"

#include <cmath>

#include "core/numbers/Format.h"

namespace pr {

std::string CoefficientText(const MaybeNumber& v, std::string_view decimalMark) {
  if (v.IsUnset()) return "";
  // The pattern's leading blank is what separates the sign from the digits.
  if (v > 0) return "+" + Format(std::fabs(v.Value()), kDistancePattern, decimalMark);
  if (v < 0) return "-" + Format(std::fabs(v.Value()), kDistancePattern, decimalMark);
  // A -0 from the arithmetic reads "0" like any other zero.
  return "0";
}

}  // namespace pr
