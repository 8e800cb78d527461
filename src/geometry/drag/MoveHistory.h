#pragma once

#include <optional>
#include <vector>

#include "core/form/ControlNames.h"
#include "core/form/Form.h"
#include "geometry/drag/BoxEditor.h"
#include "geometry/drag/GridSnap.h"

namespace pr::drag {

// The moves a student can take back with Ctrl+Z, the latest last: which
// point, its boxes before the move and as the move left them.
class MoveHistory {
 public:
  void Record(int point, CoordinateTexts before, CoordinateTexts after);

  // Whether Ctrl+Z, with the focus in `focused` (nothing: outside every
  // box), takes back a move: the latest whose boxes still show what it
  // wrote (what was typed there since is the student's, and the box's own
  // undo takes it back); a focused box must be one of its two, so typing
  // undo in any other box works as it always did.
  bool CanUndo(const Form& form, std::optional<InputBox> focused) const;
  // Puts the latest move's boxes back as they were before it; false, doing
  // nothing, where CanUndo says no.
  bool Undo(const Form& form, std::optional<InputBox> focused, BoxEditor& boxes);

 private:
  struct Move {
    int point;
    CoordinateTexts before;
    CoordinateTexts after;
  };
  static bool StillShown(const Form& form, const Move& move);
  // The latest move whose boxes still show what it wrote: a move typed
  // over since is no longer the student's last word about its point.
  const Move* Latest(const Form& form) const;

  std::vector<Move> moves_;
};

}  // namespace pr::drag
