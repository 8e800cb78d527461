#pragma once

#include <string>

#include "page/PageForm.h"

namespace pr::page {

// The last command's working for the page's "Procedimento" panel, as JSON:
// [{"kind": "heading" | "step" | "sentence", "text": "...", "runs": [...]},
// ...]; "runs" are the pieces of the text that never wrap inside
// (figure::BreakableRuns), as the desktop's window wraps them.
std::string PageWorkingJson(const PageForm& form);

}  // namespace pr::page
