#include "geometry/CoefficientText.h"

#include "core/numbers/Format.h"

namespace pr {

std::string CoefficientText(const std::optional<Hundredths>& v, std::string_view decimalMark) {
  if (!v) return "";
  if (v->sign == 0) return "0";
  // The pattern's leading blank is what separates the sign from the digits;
  // a value that rounds to 0 keeps the sign of what it is.
  return (v->sign > 0 ? "+" : "-") + Format(Hundredths{1, v->magnitude, v->exact}, kDistancePattern, decimalMark);
}

}  // namespace pr
