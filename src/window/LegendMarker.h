#pragma once

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace pr::window {

// A legend marker beside a line button: a small opaque rectangle in the
// colour of one of the line's points, with a thin black outline.
class LegendMarker final : public QWidget {
 public:
  LegendMarker(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
  }

 private:
  QColor fill_;
};

}  // namespace pr::window
