#pragma once

#include <string_view>

#include "geometry/working/Working.h"

namespace pr {
class Form;
}

namespace pr::working {

// The working of the button `button` ("Command1".."Command4") that has just
// run on `form`: made from the boxes as the command read them. `report` is
// the run-time error that ended it ("" when it ran to its end); a full
// scale of 0 or an error give one line on what happened.
Working WorkingOfClick(std::string_view button, const Form& form, std::string_view report);

}  // namespace pr::working
