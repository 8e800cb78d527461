#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

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

// Logical pixels at 100 % brought to `scale`, to the nearest pixel.
inline int Scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

// The form (`base`: its size at 100 %) fitted into `window`.
FormPlacement PlaceForm(QSize window, QSize base);

// The working's pane at 100 %, logical pixels at 96 DPI: beside the form as
// wide as its own window, or below it this high. Both scale with the form,
// as the working's font does, so the pane wraps its lines alike at any zoom.
inline constexpr int kWorkingPaneWidth = 560;
inline constexpr int kWorkingPaneHeight = 240;

// A window that holds the working as a pane: the pane at its right or at its
// bottom, whichever leaves the form larger, and the form fitted to the rest.
struct WorkingSplit {
  bool beside = true;  // else below
  QRect pane;
  FormPlacement form;  // origin in the window, as PlaceForm gives it
};

// `window` split between the form (`base`: its size at 100 %) and the pane;
// `dpiScale` is the screen's logical DPI over 96.
WorkingSplit SplitForWorking(QSize window, QSize base, double dpiScale);

// The window size that shows the form at `scale` beside (or above) the
// working's pane, the inverse of SplitForWorking: the pane where it was
// (`beside`) if that fits in `room`, else where it fits, else, bounded by
// `room`, wherever the form is larger.
QSize WindowWithPane(QSize base, double dpiScale, double scale, QSize room, bool beside);

// The zoom keys' steps, as in a browser: the next step above (direction +1)
// or below (-1) the current scale; the current scale when there is none.
double NextZoomStep(double scale, int direction);

}  // namespace pr::window
