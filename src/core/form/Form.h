#pragma once

#include <string>
#include <string_view>

#include "core/form/ControlNames.h"
#include "core/surface/Surface.h"

namespace pr {

// Form1 as the event handlers see it: its text boxes (read only), its result
// labels (write only), its drawing surface and the decimal mark of the
// user's locale. The Qt window and the page implement it; tests fake it.
class Form {
 public:
  virtual ~Form() = default;

  // The text of an input box: Text(InputBox::X1) is what was typed as x1.
  virtual std::string Text(InputBox box) const = 0;
  // Sets a result label's caption: SetCaption(ResultLabel::EquationP1P2, " Retta su ...").
  virtual void SetCaption(ResultLabel label, std::string_view caption) = 0;
  virtual Surface& Canvas() = 0;
  // The locale's decimal mark, as Format writes it ("," under an Italian locale).
  virtual std::string DecimalMark() const = 0;
};

}  // namespace pr
