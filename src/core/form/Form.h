#pragma once

#include <string>
#include <string_view>

#include "core/form/ControlId.h"
#include "core/surface/Surface.h"

namespace pr {

// Form1 as the event handlers see it: its text boxes (read only), its label
// captions (write only), its drawing surface and the decimal mark of the
// user's locale. The Qt window implements it; tests fake it.
class Form {
 public:
  virtual ~Form() = default;

  // The text of a text box: Text("Text1", 0) is the x of P1, Text("Text4") the full scale.
  virtual std::string Text(std::string_view name, int index = kNoIndex) const = 0;
  // Sets the caption of a label: SetCaption("Label19", " Retta su ...").
  virtual void SetCaption(std::string_view name, std::string_view caption) = 0;
  virtual Surface& Canvas() = 0;
  // The locale's decimal mark, as Format writes it ("," under an Italian locale).
  virtual std::string DecimalMark() const = 0;
};

}  // namespace pr
