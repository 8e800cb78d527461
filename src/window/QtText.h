#pragma once

#include <QString>
#include <string_view>

namespace pr::window {

// The program's texts are UTF-8; the toolkit's are QString.
inline QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pr::window
