// The figure's points moved by hand and by keys, for the page's JavaScript
// (drag.js): positions in the form's CSS pixels at 100 % (15 twips each),
// the form's scale for the size of the target, boxes by the names the
// layout gave them. Every decision is PointMover's.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "core/form/ControlNames.h"
#include "core/form/FormLayout.h"
#include "core/form/Twips.h"
#include "geometry/drag/PointMover.h"
#include "page/OpenForm.h"

namespace {

using pr::drag::PointMover;

// The run-time error of the last run the page asked for, shown by the page.
std::string report;

PointMover& Mover() { return pr::page::OpenForm().Mover(); }

pr::PlotPoint Twips(double cssX, double cssY) {
  return pr::drag::PointerTwips(cssX, cssY, pr::TwipsPerPixel(pr::kStandardDpi, 1.0));
}

// 0 mouse, 1 pen, 2 finger, as drag.js names them.
double Target(int kind, double formScale) {
  const auto pointer = kind == 2   ? pr::drag::PointerKind::Touch
                       : kind == 1 ? pr::drag::PointerKind::Pen
                                   : pr::drag::PointerKind::Mouse;
  return pr::drag::TargetDiameterTwips(pointer, pr::kStandardDpi, formScale);
}

// A box by its layout name; an empty name is no box at all (the focus
// elsewhere).
std::optional<pr::InputBox> Box(const char* name, int index) { return pr::InputBoxAt({name, index}); }

int Ran(const pr::drag::Rerun& rerun) {
  report = rerun.failure ? rerun.failure->Report() : std::string();
  return rerun.ran ? 1 : 0;
}

}  // namespace

extern "C" {

// The point a press there would grab (0, 1, 2), or -1.
EMSCRIPTEN_KEEPALIVE int pr_point_at(double x, double y, int kind, double formScale) {
  return Mover().PointAt(Twips(x, y), Target(kind, formScale)).value_or(-1);
}

// A press on the plot: the point it grabbed, or -1 (nothing happens).
EMSCRIPTEN_KEEPALIVE int pr_drag_press(double x, double y, int kind, double formScale) {
  return Mover().Press(Twips(x, y), Target(kind, formScale)).value_or(-1);
}

// 1 when the page must ask for a frame.
EMSCRIPTEN_KEEPALIVE int pr_drag_move(double x, double y, int fine) {
  return Mover().Move(Twips(x, y), fine != 0 ? pr::drag::Snap::Fine : pr::drag::Snap::Grid) ? 1 : 0;
}

// 1 when the frame ran the last command again.
EMSCRIPTEN_KEEPALIVE int pr_drag_frame() { return Mover().Frame() ? 1 : 0; }

// The drop; its run-time error, if any, in pr_rerun_report.
EMSCRIPTEN_KEEPALIVE int pr_drag_release() { return Ran(Mover().Release()); }

EMSCRIPTEN_KEEPALIVE int pr_drag_cancel() { return Mover().Cancel() ? 1 : 0; }

// Ctrl+Z with the focus in the box `name` (index), or outside every box ("").
EMSCRIPTEN_KEEPALIVE int pr_can_undo(const char* name, int index) { return Mover().CanUndo(Box(name, index)); }
EMSCRIPTEN_KEEPALIVE int pr_undo(const char* name, int index) { return Ran(Mover().Undo(Box(name, index))); }

// Up (+1) or Down (-1) in a box: 1 when its text changed.
EMSCRIPTEN_KEEPALIVE int pr_step(const char* name, int index, int direction, int fine) {
  const std::optional<pr::InputBox> box = Box(name, index);
  if (!box) return 0;
  const std::string before = pr::page::OpenForm().Text(*box);
  Ran(Mover().Step(*box, direction, fine != 0 ? pr::drag::Snap::Fine : pr::drag::Snap::Grid));
  return pr::page::OpenForm().Text(*box) != before ? 1 : 0;
}

// Enter in a box: 1 when the last command ran again.
EMSCRIPTEN_KEEPALIVE int pr_enter() { return Ran(Mover().Enter()); }

EMSCRIPTEN_KEEPALIVE const char* pr_rerun_report() { return report.c_str(); }

// The data-name of a point's x box ("Text1(1)" for P2), which the page
// focuses when that point is grabbed.
EMSCRIPTEN_KEEPALIVE const char* pr_x_box(int point) {
  static std::string name;
  const pr::ControlId box = pr::ControlOf(pr::CoordinateBox(point, 0));
  name = pr::layout::ElementName(box.name, box.index);
  return name.c_str();
}

}  // extern "C"
