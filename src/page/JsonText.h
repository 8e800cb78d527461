#pragma once

#include <string>
#include <string_view>

namespace pr::page {

// A text as a JSON string, quotes included: what the page's script reads
// from the module, and what the test tree's reference render prints.
std::string JsonText(std::string_view text);

}  // namespace pr::page
