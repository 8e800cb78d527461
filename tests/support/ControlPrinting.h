#pragma once

#include <ostream>

#include "core/form/ControlNames.h"

// How GoogleTest shows a button, box or result label in a failure: by the
// name the form gives it.
namespace pr {

inline void PrintTo(Button button, std::ostream* os) { *os << ControlOf(button).name; }
inline void PrintTo(ResultLabel label, std::ostream* os) { *os << ControlOf(label).name; }
inline void PrintTo(InputBox box, std::ostream* os) {
  const ControlId control = ControlOf(box);
  *os << control.name;
  if (control.index != kNoIndex) *os << "(" << control.index << ")";
}

}  // namespace pr
