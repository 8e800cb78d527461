#include "core/numbers/Val.h"

#include "core/numbers/NumberReading.h"

namespace pr {

double Val(std::string_view text) { return ValueOf(ReadNumber(text)); }

}  // namespace pr
