#include "window/WrappingButton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace pr::window {
namespace {

// The old buttons left about two pixels of bevel on each side of the text.
constexpr int kTextInset = 2;

}  // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect textRect = rect().adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset);
  int flags = Qt::AlignCenter;
  if (fontMetrics().horizontalAdvance(caption) > textRect.width()) flags |= Qt::TextWordWrap;
  painter.drawItemText(textRect, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace pr::window
