#include "window/FormScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pr::window {
namespace {

constexpr std::array kZoomSteps = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// A window sized for a step gives that step only to the nearest pixel: a
// scale within 1 % of a step counts as on it.
constexpr double kOnStep = 0.01;

int Scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

}  // namespace

FormPlacement PlaceForm(QSize window, QSize base) {
  if (base.isEmpty()) return {};
  const double fit = std::min(static_cast<double>(window.width()) / base.width(),
                              static_cast<double>(window.height()) / base.height());
  const double scale = std::clamp(fit, kSmallestScale, kLargestScale);
  const QSize size(Scaled(base.width(), scale), Scaled(base.height(), scale));
  return {scale, size, QPoint((window.width() - size.width()) / 2, (window.height() - size.height()) / 2)};
}

double NextZoomStep(double scale, int direction) {
  if (direction > 0) {
    for (const double step : kZoomSteps) {
      if (step > scale * (1.0 + kOnStep)) return step;
    }
  } else {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
      if (*step < scale * (1.0 - kOnStep)) return *step;
    }
  }
  return scale;
}

}  // namespace pr::window
