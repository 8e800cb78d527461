#include "app/numbers/MaybeNumber.h"

#include <array>
#include <charconv>

namespace pr {

std::string NumberToText(const MaybeNumber& v) {
  if (v.IsUnset()) return {};
  if (v.Value() == 0.0) return "0";  // -0 too: a zero never shows a sign
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v.Value()).ptr;
  return {buffer.data(), written};
}

}  // namespace pr
