#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pr {

// Double <-> decimal text without std::to_chars / std::from_chars for
// floating point, which not every standard library the program is built
// with provides. The results are those of the shortest round-trip
// conversions of <charconv>, byte for byte, in any C locale.

// What std::to_chars(first, last, value) writes: the shortest round-trip
// text in fixed or scientific notation, whichever is shorter (fixed on a
// tie); a whole number in fixed notation is written exactly. `value` finite.
std::string ShortestText(double value);

// The correctly rounded double of digits × 10^scale (ASCII digits, at least
// one). Empty when the value is out of range: beyond the largest double, or
// so small it rounds to zero.
std::optional<double> ReadScientific(const std::string& digits, std::int64_t scale);

}  // namespace pr
