#pragma once

#include <QPoint>
#include <QSize>

namespace pr::window {

// Where the form stands in a window of any size: scaled to fit, keeping its
// proportions, centred; the rest of the window shows the form's background.
struct FormPlacement {
  double scale = 1.0;  // 1 at 100 %: the layout at the screen's logical DPI
  QSize size;          // the scaled form, logical pixels
  QPoint origin;       // its top-left corner in the window
};

// The scales the form may take, as a browser's zoom: far enough down for a
// small laptop, far enough up for a projector.
inline constexpr double kSmallestScale = 0.25;
inline constexpr double kLargestScale = 8.0;

// The form (`base`: its size at 100 %) fitted into `window`.
FormPlacement PlaceForm(QSize window, QSize base);

// The zoom keys' steps, as in a browser: the next step above (direction +1)
// or below (-1) the current scale; the current scale when there is none.
double NextZoomStep(double scale, int direction);

}  // namespace pr::window
