#include "window/FormFont.h"

#include <QStringList>

#include "core/form/FormLayout.h"
#include "window/QtText.h"

namespace pr::window {

QFont FormFont(double points) {
  QFont font;
  font.setFamilies(QStringList{FromView(layout::kFormFontFamily), FromView(layout::kFormFontFallback)});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(layout::kFormFontWeight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace pr::window
