#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property is a finding: say which one and abort, so libFuzzer
// keeps the input that broke it.
inline void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()), property.data());
  std::abort();
}
