#pragma once

#include <string>
#include <string_view>

#include "core/numbers/Hundredths.h"

namespace pr {

// The two patterns the program shows numbers with. Both write a blank, then
// the value rounded to two decimals, at least one integer digit, no grouping.
inline constexpr std::string_view kDistancePattern = " ##0.00";
inline constexpr std::string_view kAreaPattern = " #####0.00";

// Format(value, pattern, decimalMark) for a value already rounded once from
// its exact value (the commands' results, whatever their size: the digits of
// 10^200 + 1/3 are all its own, where a double's would be 17 digits and
// zeros): " " + digits + decimalMark + two digits. A negative value gets a
// leading "-" ("- 1.50"); one that rounded to zero shows as " 0.00". Any
// other pattern throws RuntimeError(InvalidCall).
std::string Format(const Hundredths& value, std::string_view pattern, std::string_view decimalMark = ".");

// The digits of that text alone, without blank or sign: "2.24", "0.00".
std::string TwoDecimals(const Hundredths& value, std::string_view decimalMark);

}  // namespace pr
