#include "page/JsonText.h"

namespace pr::page {

std::string JsonText(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr std::string_view kHex = "0123456789abcdef";
      json += "\\u00";
      json += kHex[static_cast<unsigned char>(c) >> 4];
      json += kHex[static_cast<unsigned char>(c) & 15];
    } else {
      json += c;  // UTF-8 passes as it is
    }
  }
  return json + '"';
}

}  // namespace pr::page
