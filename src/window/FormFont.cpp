#include "window/FormFont.h"

#include <QStringList>

#include "core/form/FormLayout.h"

namespace pr::window {

QFont FormFont(double points) {
  QFont font;
  font.setFamilies(QStringList{QString::fromUtf8(layout::kFormFontFamily.data(),
                                                 static_cast<qsizetype>(layout::kFormFontFamily.size())),
                               QString::fromLatin1(kFallbackFamily)});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(layout::kFormFontWeight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace pr::window
