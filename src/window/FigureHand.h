#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;

namespace pr::window {

class Form1;

// The figure's points under a mouse, a pen or a finger. Qt turns a pen's
// and a finger's presses into mouse events that name their device, so the
// form's mouse events on the plot are all there is to pass to its
// PointMover. The cursor is an open hand over a point that a press would
// grab and a closed one while a point moves; the mover asks for one run of
// the last command per frame, made once the events waiting are handled.
class FigureHand final : public QObject {
 public:
  explicit FigureHand(Form1& form) : form_(form) {}

  // Each returns true when the event was the hand's own.
  bool Press(const QMouseEvent& event);
  bool Move(const QMouseEvent& event);
  bool Release(const QMouseEvent& event);
  // Escape: a point held goes back where it was. False when none was held.
  bool Cancel();
  // Shift pressed or released while a point is held: the same place snapped
  // anew, finer or coarser.
  void SetFine(bool fine);

 private:
  void MoveTo(QPointF position, bool fine);
  void AskForFrame();

  Form1& form_;
  QPointF position_;  // where the held point's pointer is, in the window's logical pixels
};

}  // namespace pr::window
