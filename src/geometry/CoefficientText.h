#pragma once

#include <string>
#include <string_view>

#include "core/numbers/MaybeNumber.h"

namespace pr {

// "+ 2.00", "- 0.50", "0" for exactly 0, "" for unset.
std::string CoefficientText(const MaybeNumber& v, std::string_view decimalMark);

}  // namespace pr
