#include "page/JsonText.h"

#include <cstdio>

namespace pr::page {

std::string JsonText(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;  // UTF-8 passes as it is
    }
  }
  return json + '"';
}

}  // namespace pr::page
