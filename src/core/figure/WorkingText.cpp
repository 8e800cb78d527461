#include <type_traits>

#include "core/figure/Working.h"

namespace pr::working {

std::string StepText(const Step& step) {
  std::string text = step.quantity;
  const auto add = [&text](std::string_view joint, const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += joint;
    text += part;
  };
  add(" = ", step.formula);
  add(step.substitutionRounded ? " ≈ " : " = ", step.substitution);
  for (const std::string& value : step.exact) add(" = ", value);
  text += step.connector + step.shown;
  return text;
}

std::string WorkingText(const Working& working) {
  std::string text;
  for (const Item& item : working.items) {
    std::visit(
        [&text](const auto& part) {
          using Part = std::decay_t<decltype(part)>;
          if constexpr (std::is_same_v<Part, Step>) {
            text += StepText(part);
          } else {
            text += part.text;
          }
        },
        item);
    text += "\n";
  }
  return text;
}

}  // namespace pr::working
