#pragma once

#include <string_view>
#include <vector>

namespace pr::figure {

// A working's line cut where it may wrap: between terms, never inside a
// bracket, an absolute value, a quotation or a fraction, so a student never
// reads "√(1 +" on one line and "4)" on the next. A line may break only at a
// blank outside every ( ), [ ], { }, | | and " ", and not at the blank after
// a sign (=, ≈, +, −, ·, /, ...) nor at one before "/" or "·": "= √5",
// "+ 5/3" and "√73 / 4" stay whole, and a wrapped line begins with its sign.
// The runs are views into `line`, in order; joined with one blank each they
// give `line` back. An empty line has no runs.
std::vector<std::string_view> BreakableRuns(std::string_view line);

}  // namespace pr::figure
