#include "page/PageFigure.h"

#include "core/figure/FigureText.h"

namespace pr::page {

std::string PageFigureText(const PageForm& form) { return figure::FigureText(form.Last(), form.DecimalMark()); }

}  // namespace pr::page
