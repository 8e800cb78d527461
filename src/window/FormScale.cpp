#include "window/FormScale.h"

#include <algorithm>
#include <array>

namespace pr::window {
namespace {

constexpr std::array kZoomSteps = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// A window sized for a step gives that step only to the nearest pixel: a
// scale within 1 % of a step counts as on it.
constexpr double kOnStep = 0.01;

}  // namespace

FormPlacement PlaceForm(QSize window, QSize base) {
  if (base.isEmpty()) return {};
  const double fit = std::min(static_cast<double>(window.width()) / base.width(),
                              static_cast<double>(window.height()) / base.height());
  const double scale = std::clamp(fit, kSmallestScale, kLargestScale);
  const QSize size(Scaled(base.width(), scale), Scaled(base.height(), scale));
  return {scale, size, QPoint((window.width() - size.width()) / 2, (window.height() - size.height()) / 2)};
}

namespace {

QSize PaneAt100(double dpiScale) { return {Scaled(kWorkingPaneWidth, dpiScale), Scaled(kWorkingPaneHeight, dpiScale)}; }

}  // namespace

WorkingSplit SplitForWorking(QSize window, QSize base, double dpiScale) {
  const QSize pane = PaneAt100(dpiScale);
  const double besideScale = PlaceForm(window, QSize(base.width() + pane.width(), base.height())).scale;
  const double belowScale = PlaceForm(window, QSize(base.width(), base.height() + pane.height())).scale;
  // The pane goes beside the form where the form is at least as large there.
  if (besideScale >= belowScale) {
    const int width = std::min(window.width(), Scaled(pane.width(), besideScale));
    return {true, QRect(window.width() - width, 0, width, window.height()),
            PlaceForm(QSize(window.width() - width, window.height()), base)};
  }
  const int height = std::min(window.height(), Scaled(pane.height(), belowScale));
  return {false, QRect(0, window.height() - height, window.width(), height),
          PlaceForm(QSize(window.width(), window.height() - height), base)};
}

QSize WindowWithPane(QSize base, double dpiScale, double scale, QSize room, bool beside) {
  const QSize pane = PaneAt100(dpiScale);
  const QSize besideSize(Scaled(base.width() + pane.width(), scale), Scaled(base.height(), scale));
  const QSize belowSize(Scaled(base.width(), scale), Scaled(base.height() + pane.height(), scale));
  const QSize first = beside ? besideSize : belowSize;
  const QSize second = beside ? belowSize : besideSize;
  const auto fits = [room](QSize size) { return size.width() <= room.width() && size.height() <= room.height(); };
  if (fits(first)) return first;
  if (fits(second)) return second;
  const QSize firstBounded = first.boundedTo(room);
  const QSize secondBounded = second.boundedTo(room);
  return SplitForWorking(secondBounded, base, dpiScale).form.scale >
                 SplitForWorking(firstBounded, base, dpiScale).form.scale
             ? secondBounded
             : firstBounded;
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
