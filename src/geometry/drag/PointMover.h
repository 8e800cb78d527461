#pragma once

#include <optional>

#include "core/form/ControlNames.h"
#include "core/form/EventDispatch.h"
#include "core/form/Form.h"
#include "core/form/LastPress.h"
#include "geometry/PressResult.h"
#include "geometry/drag/BoxEditor.h"
#include "geometry/drag/GridSnap.h"
#include "geometry/drag/MoveHistory.h"
#include "geometry/drag/PointTarget.h"

namespace pr::drag {

// What a drop or a key did: whether the last command ran again (the front
// end then shows its labels, figure and working) and the run-time error it
// must show.
struct Rerun {
  bool ran = false;
  std::optional<Failure> failure;
};

// The points of the figure moved by hand or by keys, the same in both front
// ends, which only pass positions and keys in. Every change is written into
// the boxes as a student types it and the last command runs again exactly
// as if its button were pressed: labels, figure, working and handout follow.
class PointMover {
 public:
  PointMover(Form& form, BoxEditor& boxes, LastPress& last) : form_(form), boxes_(boxes), last_(last) {}

  // The point a press at `pointer` (plot twips) would grab: only where the
  // last press drew the markers (PointUnder says the rest).
  std::optional<int> PointAt(PlotPoint pointer, double targetDiameterTwips) const;
  // A press on the plot grabs the point under it, if any, and says which.
  std::optional<int> Press(PlotPoint pointer, double targetDiameterTwips);
  // The pointer moved with a point held (or Shift changed). Nothing runs
  // yet: true when the front end must ask for a frame, once until it comes.
  bool Move(PlotPoint pointer, Snap snap);
  // A displayed frame is due: the latest position goes into the point's
  // boxes and the last command runs on them, once however many moves came.
  // True when it ran.
  bool Frame();
  // The drop: a position not run yet runs now, and the run-time error of
  // the last run, if any, is to be shown now, once, not at every move.
  Rerun Release();
  // Escape with a point held: its boxes as before the press, and the last
  // command run on them again. True when anything had changed.
  bool Cancel();
  bool Dragging() const { return held_.has_value(); }

  // Ctrl+Z with the focus in `focused` (nothing: outside every box): see
  // MoveHistory. Where it says no, the box's own undo is the student's.
  bool CanUndo(std::optional<InputBox> focused) const { return history_.CanUndo(form_, focused); }
  Rerun Undo(std::optional<InputBox> focused);
  // Up (+1) or Down (-1) in a coordinate box: one step of the grid (Fine:
  // a hundredth of the full scale), then the last command if there was one.
  Rerun Step(InputBox box, int direction, Snap snap);
  // Enter in a box: the last command on what is typed; before any, nothing.
  Rerun Enter();

 private:
  struct Held {
    int point;
    CoordinateTexts before;
    ExactDecimal fullScale;  // of the figure the point is moved on
    std::optional<CoordinateTexts> pending = std::nullopt;
    bool ran = false;
    std::optional<Failure> failure = std::nullopt;
  };

  const PressResult* Figure() const;
  CoordinateTexts Shown(int point) const;
  Rerun RunAgain();
  void RunPending();

  Form& form_;
  BoxEditor& boxes_;
  LastPress& last_;
  MoveHistory history_;
  std::optional<Held> held_;
  bool frameAsked_ = false;
};

}  // namespace pr::drag
