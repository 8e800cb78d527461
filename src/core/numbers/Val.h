#pragma once

#include <string_view>

namespace pr {

// The number a text begins with, read the way the old runtime's Val read it:
// blanks, tabs and line feeds are skipped anywhere (also inside the number),
// an optional sign, digits with at most one period (the only decimal
// separator, whatever the locale), an optional E exponent with its own sign.
// Reading stops at the first character that cannot continue the number.
// Empty text or no number gives 0. "12 cm" -> 12, "2,5" -> 2, " - 3" -> -3.
// A number too large for a double ("1e999") throws RuntimeError(Overflow);
// one too small for it reads as 0 (or the nearest subnormal).
double Val(std::string_view text);

}  // namespace pr
