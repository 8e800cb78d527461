// One step of a point dragged in the real window, on Qt's offscreen
// platform: the mouse move handed to Form1, the frame's run of the last
// command with its working, and the window painted where that asked for it
// (the raster and the labels drawn into the window's backing store). P2 of "Retta per P1-P2 e perpend." goes back
// and forth between two places, with the form at 100 % and at 200 %
// (WindowDrag/Step/At100, .../At200): 100 steps, their median and worst
// wall time as counters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <string>

#include "StepTimes.h"
#include "core/form/ControlNames.h"
#include "window/ErrorReporter.h"
#include "window/Form1.h"

namespace pr {
namespace {

class Ignored final : public ErrorReporter {
 public:
  void Report(const std::string&) override {}
};

// The window's logical pixel over a world point at full scale 10, the form
// at `scale` filling the window.
QPointF At(double x, double y, int scale) { return {(3200 + 320 * x) / 15 * scale, (3200 - 320 * y) / 15 * scale}; }

void Send(window::Form1& form, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, form.mapToGlobal(at), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &event);
}

void WindowDragSteps(benchmark::State& state, int scale) {
  Ignored ignored;
  window::Form1 form(ignored);
  form.resize(974 * scale, 576 * scale);
  form.show();
  QCoreApplication::processEvents();
  const char* texts[] = {"0", "1", "1", "3", "-6", "-7", "10"};
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    static_cast<QLineEdit*>(form.Control(ControlOf(kInputBoxes[i])))->setText(texts[i]);
  }
  static_cast<QPushButton*>(form.Control(ControlOf(Button::LineP1P2)))->click();
  Send(form, QEvent::MouseButtonPress, At(1, 3, scale), Qt::LeftButton, Qt::LeftButton);
  const QPointF places[] = {At(4, -2, scale), At(3, -1, scale)};
  const auto step = [&](int i) {
    Send(form, QEvent::MouseMove, places[i % 2], Qt::NoButton, Qt::LeftButton);
    QCoreApplication::processEvents();  // the frame: the command and its working
    QCoreApplication::processEvents();  // the display: the update it asked for
  };
  test::StepTimes times(state);
  step(1);  // the first step is not timed: Qt's caches are filled there
  for (auto _ : state) times.Time([&] { step(times.Count()); });
  Send(form, QEvent::MouseButtonRelease, places[0], Qt::LeftButton, Qt::NoButton);
}

}  // namespace
}  // namespace pr

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  for (const int scale : {1, 2}) {
    benchmark::RegisterBenchmark(("WindowDrag/Step/At" + std::to_string(100 * scale)).c_str(), pr::WindowDragSteps,
                                 scale)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(pr::test::kSteps);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
