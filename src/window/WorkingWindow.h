#pragma once

#include <QWidget>
#include <functional>

#include "core/figure/Working.h"

class QTextEdit;

namespace pr::window {

// "Procedimento": the last command's working, step by step, in a window of
// its own beside the form, so the form keeps every control where it was.
// Its text can be selected and copied, and a screen reader reads it (the
// text field is named "Procedimento" too).
class WorkingWindow final : public QWidget {
 public:
  // A window of its own that belongs to `form`: it closes with it.
  explicit WorkingWindow(QWidget& form);

  void ShowWorking(const working::Working& working);
  // Shows the window to the right of the form, or to its left when the
  // screen has no room there.
  void ShowBesideForm();
  // Called whenever the window is hidden, also by its own close button.
  void OnHidden(std::function<void()> hidden) { hidden_ = std::move(hidden); }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget& form_;
  QTextEdit* text_;
  std::function<void()> hidden_;
};

}  // namespace pr::window
