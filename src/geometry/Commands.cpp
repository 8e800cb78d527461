#include "geometry/Commands.h"

#include "geometry/LineCommand.h"
#include "geometry/PointsAndDistances.h"

namespace pr {

void Command1_Click(Form& form) { RunPointsCommand(form); }
void Command2_Click(Form& form) { RunLineCommand(form, LineCommandOf("Command2")); }
void Command3_Click(Form& form) { RunLineCommand(form, LineCommandOf("Command3")); }
void Command4_Click(Form& form) { RunLineCommand(form, LineCommandOf("Command4")); }

}  // namespace pr
