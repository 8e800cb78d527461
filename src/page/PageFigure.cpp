#include "page/PageFigure.h"

#include "core/figure/FigureText.h"
#include "core/form/FormLayout.h"

namespace pr::page {

std::string PageFigureText(const PageForm& form) {
  const auto shown = [&form](std::string_view name, int index) {
    const layout::ControlRow* row = layout::Find(name, index);
    if (row != nullptr && row->kind == layout::ControlKind::TextBox) return form.Text(name, index);
    return form.Caption(name, index);
  };
  return figure::FigureText(shown, form.DecimalMark(), working::WorkingText(form.LastWorking()));
}

}  // namespace pr::page
