#pragma once

#include <string_view>

namespace pr {

// The index of a control that is no element of a control array ("Text4").
inline constexpr int kNoIndex = -1;

// One control of the form: a name, and an element of a control array
// ("Text1", 0) or kNoIndex.
struct ControlId {
  std::string_view name;
  int index;
};

}  // namespace pr
