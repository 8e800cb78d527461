#pragma once

#include <QColor>
#include <QWidget>

namespace pr::window {

// A legend marker beside a line button: a small opaque rectangle in the
// colour of one of the line's points, with a thin black outline.
class LegendMarker final : public QWidget {
 public:
  LegendMarker(const QColor& fill, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace pr::window
