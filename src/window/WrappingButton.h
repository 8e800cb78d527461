#pragma once

#include <QPushButton>

namespace pr::window {

// A command button whose caption wraps at blanks when it is wider than the
// button, as Command2's " Retta per P1-P2 e  perpend." does on two lines.
// The caption itself stays as it is, so a screen reader speaks it whole.
class WrappingButton final : public QPushButton {
 public:
  WrappingButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pr::window
