#include "window/BoxKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/form/ControlNames.h"
#include "geometry/drag/PointMover.h"
#include "window/FigureHand.h"
#include "window/Form1.h"

namespace pr::window {
namespace {

bool Plain(const QKeyEvent& key) {
  return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

bool BoxKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  drag::PointMover& mover = form_.Mover();
  if (mover.Dragging()) {
    if (key.key() == Qt::Key_Shift) form_.Hand().SetFine(event->type() == QEvent::KeyPress);
    return key.key() == Qt::Key_Escape && event->type() == QEvent::KeyPress && form_.Hand().Cancel();
  }
  if (event->type() != QEvent::KeyPress) return false;
  const std::optional<InputBox> box = form_.BoxOf(static_cast<QWidget*>(watched));
  if (!box) return false;
  if (key.matches(QKeySequence::Undo)) {
    if (!mover.CanUndo(box)) return false;  // the box's own undo
    form_.ShowRun(mover.Undo(box).failure);
    return true;
  }
  if (!Plain(key)) return false;
  if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && *box != InputBox::FullScale) {
    const bool fine = key.modifiers().testFlag(Qt::ShiftModifier);
    form_.ShowRun(
        mover.Step(*box, key.key() == Qt::Key_Up ? 1 : -1, fine ? drag::Snap::Fine : drag::Snap::Grid).failure);
    return true;
  }
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    form_.ShowRun(mover.Enter().failure);
    return true;
  }
  return false;
}

}  // namespace pr::window
