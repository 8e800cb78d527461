// The four buttons' Click handlers: being written; they do nothing yet.
#include "geometry/Commands.h"

namespace pr {

void Command1_Click(Form&) {}
void Command2_Click(Form&) {}
void Command3_Click(Form&) {}
void Command4_Click(Form&) {}

}  // namespace pr
