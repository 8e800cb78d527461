#pragma once

#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "core/form/FormLayout.h"

namespace pr::window {

// A control of Form1 and the layout row it was built from.
struct FormControl {
  const layout::ControlRow* row;
  QWidget* widget;
};

// Builds the 42 controls as children of `form`, one per layout row, each
// placed at its row's twips converted with `logicalDpi`, then links the
// focusable ones into the tab order of their tab indices. This is the only
// code that creates or places a control.
std::vector<FormControl> BuildControls(QWidget& form, double logicalDpi);

// "Text1(0)" for an element of a control array, "Label13" for a single control.
QString ControlName(std::string_view name, int index);

}  // namespace pr::window
