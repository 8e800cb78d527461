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
// placed at its row's twips converted with `logicalDpi` (100 %), then links
// the focusable ones into the tab order of their tab indices. This and
// PlaceControls are the only code that creates or places a control.
std::vector<FormControl> BuildControls(QWidget& form, double logicalDpi);

// Places the controls for the form scaled by `scale` with its top-left
// corner at `origin`: positions, sizes and fonts all scaled, so the texts
// are drawn at their scaled size. At scale 1 and origin (0, 0), exactly as
// BuildControls placed them.
void PlaceControls(const std::vector<FormControl>& controls, double logicalDpi, double scale, QPoint origin);

// "Text1(0)" for an element of a control array, "Label13" for a single control.
QString ControlName(std::string_view name, int index);

}  // namespace pr::window
