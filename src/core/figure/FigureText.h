#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pr::figure {

// What a control shows: the text of a text box or the caption of a label,
// by the control's name and index (-1 for a control that is not in an array).
using ShownText = std::function<std::string(std::string_view name, int index)>;

// The plain-text companion of the figure: the points and the full scale as
// typed and as the commands read them, then whatever the result labels show
// (distances, area, equations) in the labels' own words. Lines end in "\n";
// a result label that is empty (its command has not run) gives no line.
// Numbers as read are written with `decimalMark`, like the results. The last
// command's working, when there is one, follows under "Procedimento".
std::string FigureText(const ShownText& shown, std::string_view decimalMark, std::string_view working = {});

}  // namespace pr::figure
