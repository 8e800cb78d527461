#pragma once

#include <string>

#include "page/PageForm.h"

namespace pr::page {

// The figure's plain text for the page: what its boxes and labels show now,
// written by the same code as the desktop's, so both say the same.
std::string PageFigureText(const PageForm& form);

}  // namespace pr::page
