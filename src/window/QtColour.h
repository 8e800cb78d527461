#pragma once

#include <QColor>

#include "core/surface/Colour.h"

namespace pr::window {

inline QColor ToQColor(Colour c) { return QColor(Red(c), Green(c), Blue(c)); }

}  // namespace pr::window
