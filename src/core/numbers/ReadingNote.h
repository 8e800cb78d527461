#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pr {

// What a student should know when a box's text is not read as it stands:
// a comma, a parenthesis, letters or a second number are not part of the
// number Val reads. For "2,5": `scritto "2,5", letto 2 (i decimali si
// scrivono con il punto: 2.5)`. Nothing for a text read whole (blanks
// aside), and nothing for an empty box. The reading itself is Val's.
std::optional<std::string> ReadingNote(std::string_view typed);

}  // namespace pr
