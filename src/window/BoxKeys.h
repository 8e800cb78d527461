#pragma once

#include <QObject>

namespace pr::window {

class Form1;

// The keys of the form's boxes: Up and Down step a coordinate box by one
// grid step (Shift: a hundredth of the full scale), Enter runs the last
// command again on what is typed, Ctrl+Z takes back a moved point where its
// boxes still show what the move wrote (else the box's own undo works as
// it always did), and Escape and Shift reach a point being dragged, whose x
// box has the focus. Installed on every box as an event filter.
class BoxKeys final : public QObject {
 public:
  explicit BoxKeys(Form1& form) : QObject(nullptr), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1& form_;
};

}  // namespace pr::window
