#pragma once

#include <QColor>

#include "core/surface/Colour.h"

namespace pr::window {

// The program's colours are 0x00BBGGRR, red in the low byte.
inline QColor ToQColor(Colour c) {
  return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

inline Colour FromQColor(const QColor& c) {
  return static_cast<Colour>(c.red()) | (static_cast<Colour>(c.green()) << 8) |
         (static_cast<Colour>(c.blue()) << 16);
}

}  // namespace pr::window
