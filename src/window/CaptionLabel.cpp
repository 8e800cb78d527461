#include "window/CaptionLabel.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/form/FormLayout.h"

namespace pr::window {

CaptionLabel::CaptionLabel(const QString& caption, bool autoSize, int lineHeight, QWidget* parent)
    : QLabel(caption, parent), autoSize_(autoSize), lineHeight_(lineHeight) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(false);
  setTextFormat(Qt::PlainText);
  setMargin(0);
  setIndent(0);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  if (autoSize_) FitToCaption();
}

void CaptionLabel::SetLineHeight(int lineHeight) {
  lineHeight_ = lineHeight;
  if (autoSize_) FitToCaption();
}

void CaptionLabel::FitToCaption() {
  const QFontMetricsF metrics(font());
  const double emPixels = font().pointSizeF() * logicalDpiY() / 72.0;
  const int width = text().isEmpty() ? static_cast<int>(std::lround(layout::kEmptyLabelWidthEm * emPixels))
                                     : static_cast<int>(std::ceil(metrics.horizontalAdvance(text())));
  const int height = std::max(lineHeight_, static_cast<int>(std::ceil(metrics.height())));
  resize(width, height);
}

}  // namespace pr::window
