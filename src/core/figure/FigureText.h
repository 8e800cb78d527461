#pragma once

#include <string>
#include <string_view>

#include "core/form/LastPress.h"

namespace pr::figure {

// The plain-text companion of the figure (the printed page, the saved PNG's
// description, the copied text): the points and the full scale as the last
// command read them, as read and as typed, then of the result labels only
// those written by a command that read the same texts, in the labels' own
// words; a result left over from other inputs would describe a figure no
// longer drawn. Lines end in "\n"; before any command one line says that
// nothing has been drawn. Numbers as read are written with `decimalMark`,
// like the results. The last command's working, when there is one, follows
// under the heading "Procedimento".
std::string FigureText(const LastPress& last, std::string_view decimalMark);

}  // namespace pr::figure
