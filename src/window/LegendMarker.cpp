#include "window/LegendMarker.h"

#include <QPainter>

namespace pr::window {

LegendMarker::LegendMarker(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void LegendMarker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
}

}  // namespace pr::window
