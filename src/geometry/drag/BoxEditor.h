#pragma once

#include <string>

#include "core/form/ControlNames.h"

namespace pr::drag {

// A front end's text boxes as the moved points and the keys write them:
// the text replaces the box's, as if the student had typed it.
class BoxEditor {
 public:
  virtual ~BoxEditor() = default;
  virtual void SetBoxText(InputBox box, const std::string& text) = 0;
};

}  // namespace pr::drag
