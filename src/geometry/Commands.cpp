#include "geometry/Commands.h"

#include "geometry/LineCommand.h"
#include "geometry/PointsAndDistances.h"

namespace pr {

std::unique_ptr<CommandResult> Command1_Click(Form& form) { return RunPointsCommand(form); }
std::unique_ptr<CommandResult> Command2_Click(Form& form) {
  return RunLineCommand(form, *FindLineCommand(Button::LineP1P2));
}
std::unique_ptr<CommandResult> Command3_Click(Form& form) {
  return RunLineCommand(form, *FindLineCommand(Button::LineP1P3));
}
std::unique_ptr<CommandResult> Command4_Click(Form& form) {
  return RunLineCommand(form, *FindLineCommand(Button::LineP2P3));
}

const std::array<Command, 4> kCommands{{
    {Button::Points, "I punti e le distanze", &Command1_Click},
    {Button::LineP1P2, "Retta per P1-P2 e perpendicolare", &Command2_Click},
    {Button::LineP1P3, "Retta per P1-P3", &Command3_Click},
    {Button::LineP2P3, "Retta per P2-P3", &Command4_Click},
}};

const Command& CommandOf(Button button) {
  for (const Command& command : kCommands) {
    if (command.button == button) return command;
  }
  return kCommands.front();  // not reached: every button has its row
}

}  // namespace pr
