#include "geometry/Commands.h"

#include "geometry/LineCommand.h"
#include "geometry/PointsAndDistances.h"

namespace pr {

void Command1_Click(Form& form) { RunPointsCommand(form); }
void Command2_Click(Form& form) { RunLineCommand(form, kLineCommands[0]); }
void Command3_Click(Form& form) { RunLineCommand(form, kLineCommands[1]); }
void Command4_Click(Form& form) { RunLineCommand(form, kLineCommands[2]); }

}  // namespace pr
