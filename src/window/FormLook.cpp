#include "window/FormLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "core/surface/FormBackground.h"
#include "window/QtColour.h"

namespace pr::window {
namespace {

const QString kStyle = QStringLiteral("Fusion");

}  // namespace

QPalette FormPalette() {
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create(kStyle));
  const QPalette standard = fusion->standardPalette();
  QPalette own;
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      own.setBrush(g, r, standard.brush(g, r));
    }
    own.setColor(static_cast<QPalette::ColorGroup>(group), QPalette::Window, ToQColor(kFormBackground));
  }
  return own;
}

void UseFormLook() {
  QApplication::setStyle(QStyleFactory::create(kStyle));
  // An application palette set by the program is one the desktop's theme
  // plugins leave alone (qt6ct and KDE's both check for it).
  QApplication::setPalette(FormPalette());
}

}  // namespace pr::window
