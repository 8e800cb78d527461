#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/Hundredths.h"

namespace pr {

// "+ 2.00", "- 0.50", "0" for exactly 0, "" for a value never computed (a
// slope the sweep did not reach).
std::string CoefficientText(const std::optional<Hundredths>& v, std::string_view decimalMark);

}  // namespace pr
