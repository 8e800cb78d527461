#pragma once

#include <string>

namespace pr::page {

// Everything the page needs to build its DOM, as one JSON object: the form's
// size, font and background, and one entry per row of the layout table, in
// the table's order, with positions and sizes already in CSS pixels (15
// twips to a pixel, rounded as the desktop rounds them) and colours as CSS
// "#rrggbb". The page holds no copy of the table; it reads this.
std::string PageLayoutJson();

}  // namespace pr::page
