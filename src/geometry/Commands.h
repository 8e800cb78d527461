#pragma once

namespace pr {
class Form;

// The four buttons' Click handlers. Each runs straight through; a service
// that fails raises RuntimeError and the handler ends there.
void Command1_Click(Form& form);  // points, distances, triangle, Heron's area
void Command2_Click(Form& form);  // line P1-P2 and its perpendicular
void Command3_Click(Form& form);  // line P1-P3
void Command4_Click(Form& form);  // line P2-P3

}  // namespace pr
