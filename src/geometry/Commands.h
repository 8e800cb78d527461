#pragma once

#include <string_view>

namespace pr {
class Form;

// The four buttons' Click handlers. Each runs straight through; a service
// that fails raises RuntimeError and the handler ends there.
void Command1_Click(Form& form);  // points, distances, triangle, area (half the cross product, exact)
void Command2_Click(Form& form);  // line P1-P2 and its perpendicular
void Command3_Click(Form& form);  // line P1-P3
void Command4_Click(Form& form);  // line P2-P3

// Which button runs which handler; with Form_Paint these are the only code
// of the program that ever runs, whichever front end shows the form.
struct ClickHandler {
  std::string_view button;
  void (*handler)(Form&);
};
inline constexpr ClickHandler kClickHandlers[] = {
    {"Command1", &Command1_Click},
    {"Command2", &Command2_Click},
    {"Command3", &Command3_Click},
    {"Command4", &Command4_Click},
};

}  // namespace pr
