#pragma once

#include <array>
#include <memory>

#include "core/form/Command.h"

namespace pr {
class Form;

// The four buttons' Click handlers. Each runs straight through and gives
// what it computed; a service that fails raises RuntimeError and the
// handler ends there.
std::unique_ptr<CommandResult> Command1_Click(Form& form);  // points, distances, triangle, area
std::unique_ptr<CommandResult> Command2_Click(Form& form);  // line P1-P2 and its perpendicular
std::unique_ptr<CommandResult> Command3_Click(Form& form);  // line P1-P3
std::unique_ptr<CommandResult> Command4_Click(Form& form);  // line P2-P3

// Which button runs which handler, and the title of its working; with
// Form_Paint these are the only code of the program that ever runs,
// whichever front end shows the form.
extern const std::array<Command, 4> kCommands;

// The command of a button.
const Command& CommandOf(Button button);

}  // namespace pr
