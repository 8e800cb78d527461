#pragma once

#include <QLabel>
#include <QString>

namespace pr::window {

// A label of Form1: opaque, its caption on one line from the top-left.
// An auto-size label follows its caption: it grows and shrinks to the right
// from its fixed Left and Top. Any other label keeps its size and shows only
// what fits in it.
class CaptionLabel final : public QLabel {
 public:
  // `lineHeight` is the height of one line in the old face, in pixels.
  CaptionLabel(const QString& caption, bool autoSize, int lineHeight, QWidget* parent);

  void SetCaption(const QString& caption);
  // A new line height (the form was scaled); the label fits its caption again.
  void SetLineHeight(int lineHeight);
  bool AutoSize() const { return autoSize_; }

 private:
  void FitToCaption();

  bool autoSize_;
  int lineHeight_;
};

}  // namespace pr::window
