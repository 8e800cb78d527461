#include "window/FigureHand.h"

#include <QInputDevice>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTimer>

#include "geometry/drag/PointMover.h"
#include "window/Form1.h"

namespace pr::window {
namespace {

drag::PointerKind KindOf(const QMouseEvent& event) {
  const QPointingDevice* device = event.pointingDevice();
  if (device == nullptr) return drag::PointerKind::Mouse;
  switch (device->type()) {
    case QInputDevice::DeviceType::TouchScreen:
      return drag::PointerKind::Touch;
    case QInputDevice::DeviceType::Stylus:
    case QInputDevice::DeviceType::Airbrush:
      return drag::PointerKind::Pen;
    default:
      return drag::PointerKind::Mouse;
  }
}

drag::Snap SnapOf(bool fine) { return fine ? drag::Snap::Fine : drag::Snap::Grid; }

}  // namespace

bool FigureHand::Press(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  const std::optional<int> point =
      form_.Mover().Press(form_.PlotTwipsAt(event.position()), form_.TargetTwips(KindOf(event)));
  if (!point) return false;
  position_ = event.position();
  form_.setCursor(Qt::ClosedHandCursor);
  // Its boxes are what a screen reader follows while it moves.
  form_.Control(ControlOf(CoordinateBox(*point, 0)))->setFocus(Qt::MouseFocusReason);
  return true;
}

bool FigureHand::Move(const QMouseEvent& event) {
  drag::PointMover& mover = form_.Mover();
  if (!mover.Dragging()) {
    const bool over = mover.PointAt(form_.PlotTwipsAt(event.position()), form_.TargetTwips(KindOf(event))).has_value();
    if (over) {
      form_.setCursor(Qt::OpenHandCursor);
    } else {
      form_.unsetCursor();
    }
    return false;
  }
  MoveTo(event.position(), event.modifiers().testFlag(Qt::ShiftModifier));
  return true;
}

void FigureHand::SetFine(bool fine) {
  if (form_.Mover().Dragging()) MoveTo(position_, fine);
}

void FigureHand::MoveTo(QPointF position, bool fine) {
  position_ = position;
  if (form_.Mover().Move(form_.PlotTwipsAt(position), SnapOf(fine))) AskForFrame();
}

// Qt has already folded the mouse moves waiting into one; a zero timer runs
// after every event waiting, so one frame shows one run of the command.
void FigureHand::AskForFrame() {
  QTimer::singleShot(0, this, [this] {
    if (form_.Mover().Frame()) form_.ShowRun(std::nullopt);
  });
}

bool FigureHand::Release(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton || !form_.Mover().Dragging()) return false;
  const drag::Rerun rerun = form_.Mover().Release();
  form_.unsetCursor();
  // A run-time error during the drag is shown now, once.
  form_.ShowRun(rerun.failure);
  return true;
}

bool FigureHand::Cancel() {
  if (!form_.Mover().Dragging()) return false;
  form_.Mover().Cancel();
  form_.unsetCursor();
  form_.ShowRun(std::nullopt);
  return true;
}

}  // namespace pr::window
