#pragma once

#include <string>

#include "core/numbers/ExactDecimal.h"

namespace pr {

// An exact decimal as a student would type it into a box, so that Val reads
// back exactly this value: the period as mark, no sign for a positive value,
// no trailing zeros, a 0 before the point: "3", "-2.5", "0.25". Far from 1
// (below 10^-6 or from 10^21 on) the exponent form, as JavaScript writes
// numbers: "1e-7", "-2.5e21", never a row of hundreds of zeros.
std::string TypedText(const ExactDecimal& value);

}  // namespace pr
