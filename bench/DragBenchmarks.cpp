// One step of a point dragged across the figure, as both front ends make
// it once per frame: the point's boxes written, the last command run again
// on them with its working, on the raster of the form at 100 % and at 200 %
// (Drag/Step/At100, Drag/Step/At200). P2 of "Retta per P1-P2 e perpend."
// goes back and forth between two places, so every step draws a new figure:
// 100 steps, their median and worst wall time as counters.
#include <benchmark/benchmark.h>

#include <string>

#include "StepTimes.h"
#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/drag/PointMover.h"
#include "support/FakeForm.h"

namespace pr {
namespace {

class Boxes final : public drag::BoxEditor {
 public:
  explicit Boxes(test::FakeForm& form) : form_(form) {}
  void SetBoxText(InputBox box, const std::string& text) override { form_.SetText(box, text); }

 private:
  test::FakeForm& form_;
};

void DragSteps(benchmark::State& state, int scale) {
  RasterSurface raster(974 * scale, 576 * scale, 15.0 / scale, 0xC0C0C0, scale);
  test::FakeForm form(raster);
  form.Type("0", "1", "1", "3", "-6", "-7", "10");
  Boxes boxes(form);
  LastPress last;
  drag::PointMover mover(form, boxes, last);
  last.Press(CommandOf(Button::LineP1P2), form);
  mover.Press({3520, 2240}, 360);                           // P2 (1; 3)
  const PlotPoint places[] = {{4480, 3840}, {4160, 3520}};  // (4; -2), (3; -1)
  const auto step = [&](int i) {
    mover.Move(places[i % 2], drag::Snap::Grid);
    mover.Frame();
    benchmark::DoNotOptimize(raster.Data());
    form.ForgetHistory();
  };
  test::StepTimes times(state);
  step(1);
  for (auto _ : state) times.Time([&] { step(times.Count()); });
}

// Registered with the command benchmarks, before punti-bench's main runs.
const bool kRegistered = [] {
  for (const int scale : {1, 2}) {
    benchmark::RegisterBenchmark(("Drag/Step/At" + std::to_string(100 * scale)).c_str(), DragSteps, scale)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(test::kSteps);
  }
  return true;
}();

}  // namespace
}  // namespace pr
