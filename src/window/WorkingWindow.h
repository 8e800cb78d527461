#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/figure/Working.h"

class QTextEdit;

namespace pr::window {

// "Procedimento": the last command's working, step by step, so the form
// keeps every control where it was: in a window of its own beside the form,
// or, where the screen has no room beside it (the form maximised, in full
// screen, or as large as the screen), as a pane of the form's window, which
// then fits the form to the rest. Its text follows the form's zoom, and a
// line wraps only between terms. It can be selected and copied, and a
// screen reader reads it (the text field is named "Procedimento" too).
class WorkingWindow final : public QWidget {
 public:
  // Belongs to `form`: it closes with it, and as a pane lies in it.
  explicit WorkingWindow(QWidget& form);

  void ShowWorking(const working::Working& working);
  // The form's scale (1 at 100 %): the text is 11 pt at 100 %.
  void SetScale(double scale);
  // Shows the working in its own window to the right of `formFrame` (the
  // form's window with its frame), or to its left where the screen has room
  // only there, within the screen's available area. False, showing
  // nothing, where neither side has room.
  bool ShowBesideForm(const QRect& formFrame);
  // Whether ShowBesideForm would find room.
  bool HasRoomBeside(const QRect& formFrame) const { return BesideForm(formFrame).has_value(); }
  // Shows the working as a pane of the form's window, at `pane`.
  void ShowAsPane(const QRect& pane);
  bool IsPane() const { return !isWindow(); }
  // Called when the window is hidden (also by its own close button), not
  // when it only moves into or out of the form's window.
  void OnHidden(std::function<void()> hidden) { hidden_ = std::move(hidden); }

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Restyle();
  // The working as rich text for the text's present font and width.
  void Typeset();
  // Where ShowBesideForm puts the window, frame included; none without room.
  std::optional<QRect> BesideForm(const QRect& formFrame) const;

  QWidget& form_;
  QTextEdit* text_;
  working::Working working_;
  QString html_;  // what the text shows
  double scale_ = 1.0;
  bool moving_ = false;  // between the form's window and a window of its own
  std::function<void()> hidden_;
};

}  // namespace pr::window
