// Each command as the window runs it, on the raster of the client area at
// 96 DPI: clearing, background, input, markers, sweep and texts.
// Benchmark names carry the command and the full scale, e.g. Command2/fs:1e9.
// Press/...: a whole press of a button as the window and the page make it,
// the command and then its working ("Procedimento").
// At200/...: the same on the form at 200 % (four times the pixels, dots two
// pixels wide), and the redraw of the last command that a change of scale
// makes: a raster made anew, then the plane and the command again.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "plot/DrawPlotBackground.h"
#include "plot/FormPaint.h"
#include "support/FakeForm.h"

namespace pr {
namespace {

using Click = std::unique_ptr<CommandResult> (*)(Form&);

// The client area at 96 DPI: 974 x 576 pixels of 15 twips.
RasterSurface ClientArea() { return RasterSurface(974, 576, 15.0, 0xC0C0C0); }
// The form at 200 %: 1948 x 1152 pixels of 7.5 twips, dots two pixels wide.
RasterSurface At200() { return RasterSurface(1948, 1152, 7.5, 0xC0C0C0, 2); }

// The seven boxes: x1, y1, x2, y2, x3, y3 (the full scale comes per case).
using Points = std::array<std::string, 6>;
// P1 (0; 1), P2 (1; 3): the line y = 2x + 1 and its perpendicular.
const Points kOrdinary = {"0", "1", "1", "3", "-2", "0.5"};
// P1-P3 and P2-P3 of slope 1000, and of slope 0.001.
const Points kSteep = {"0", "0.5", "-1", "-0.5", "1", "1000.5"};
const Points kShallow = {"0", "0.5", "-1000", "-0.5", "1000", "1.5"};

// Six coordinates typed with `digits` digits each: one before the point,
// the rest after it, each its own run of digits (a fixed generator).
Points LongPoints(std::size_t digits) {
  Points points;
  std::uint32_t state = 16;
  for (std::string& text : points) {
    text = "1.";
    for (std::size_t i = 1; i < digits; ++i) {
      state = state * 1664525u + 1013904223u;
      text += static_cast<char>('0' + (state >> 24) % 10);
    }
  }
  return points;
}

// The longest text a desktop box (a QLineEdit) accepts.
constexpr std::size_t kLongestText = 32767;

void RunCommand(benchmark::State& state, Click click, Points points, std::string fullScale, bool at200) {
  RasterSurface raster = at200 ? At200() : ClientArea();
  test::FakeForm form(raster);
  form.Type(points[0], points[1], points[2], points[3], points[4], points[5], fullScale);
  for (auto _ : state) {
    click(form);
    benchmark::DoNotOptimize(raster.Data());
    form.ForgetHistory();
  }
}

// A whole press: the command, then its working made from its result.
void RunPress(benchmark::State& state, Button button, Points points, std::string fullScale) {
  RasterSurface raster = ClientArea();
  test::FakeForm form(raster);
  form.Type(points[0], points[1], points[2], points[3], points[4], points[5], fullScale);
  LastPress last;
  for (auto _ : state) {
    last.Press(CommandOf(button), form);
    benchmark::DoNotOptimize(last.Working());
    benchmark::DoNotOptimize(raster.Data());
    form.ForgetHistory();
  }
}

// The command run at 100 %, then the window zoomed to 200 % and back, over
// and over: each change of scale makes the raster anew and redraws.
void RedrawAfterZoom(benchmark::State& state, Click click, Points points, std::string fullScale) {
  RasterSurface raster = ClientArea();
  test::FakeForm form(raster);
  form.Type(points[0], points[1], points[2], points[3], points[4], points[5], fullScale);
  LastPress last;
  const Command command{Button::Points, "", click};
  last.Press(command, form);
  for (auto _ : state) {
    raster.Rescale(1948, 1152, 7.5, 2);
    last.Redraw(form, Form_Paint);
    benchmark::DoNotOptimize(raster.Data());
  }
}

void Background(benchmark::State& state) {
  RasterSurface raster = ClientArea();
  for (auto _ : state) {
    DrawPlotBackground(raster);
    benchmark::DoNotOptimize(raster.Data());
  }
}

void Register(const std::string& name, Click click, Points points, const std::string& fullScale) {
  benchmark::RegisterBenchmark(name.c_str(), RunCommand, click, points, fullScale, false)
      ->Unit(benchmark::kMillisecond);
}

void RegisterAt200(const std::string& name, Click click, Points points, const std::string& fullScale) {
  benchmark::RegisterBenchmark(("At200/" + name).c_str(), RunCommand, click, points, fullScale, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("At200/Redraw/" + name).c_str(), RedrawAfterZoom, click, points, fullScale)
      ->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
  benchmark::RegisterBenchmark("Background", Background)->Unit(benchmark::kMillisecond);
  Register("Command1/fs:10", Command1_Click, kOrdinary, "10");
  for (const char* fs : {"0.1", "10", "1e4", "1e6", "1e9", "1e15", "1e300", "-10", "-1e9"}) {
    Register(std::string("Command2/fs:") + fs, Command2_Click, kOrdinary, fs);
  }
  Register("Command3/fs:1e6/steep", Command3_Click, kSteep, "1e6");
  Register("Command3/fs:1e6/shallow", Command3_Click, kShallow, "1e6");
  Register("Command4/fs:1e6/steep", Command4_Click, kSteep, "1e6");
  Register("Command4/fs:1e6/shallow", Command4_Click, kShallow, "1e6");
  // The numbers computed exactly from what was typed, at any length.
  for (const std::size_t digits : {std::size_t{1000}, kLongestText}) {
    const std::string name = "/fs:10/digits:" + std::to_string(digits);
    Register("Command1" + name, Command1_Click, LongPoints(digits), "10");
    Register("Command2" + name, Command2_Click, LongPoints(digits), "10");
    for (Button button : {Button::Points, Button::LineP1P2}) {
      benchmark::RegisterBenchmark(("Press/" + std::string(ControlOf(button).name) + name).c_str(), RunPress, button,
                                   LongPoints(digits), "10")
          ->Unit(benchmark::kMillisecond);
    }
  }
  RegisterAt200("Command1/fs:10", Command1_Click, kOrdinary, "10");
  for (const char* fs : {"10", "1e9", "1e300"}) {
    RegisterAt200(std::string("Command2/fs:") + fs, Command2_Click, kOrdinary, fs);
  }
  RegisterAt200("Command3/fs:1e6/steep", Command3_Click, kSteep, "1e6");
  // A horizontal line: its perpendicular is the y axis.
  Register("Command2/fs:1e9/horizontal", Command2_Click, Points{"-1", "2", "1", "2", "0", "0"}, "1e9");
}

}  // namespace
}  // namespace pr

int main(int argc, char** argv) {
  pr::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
