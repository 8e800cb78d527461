// Each command as the window runs it, on the raster of the client area at
// 96 DPI: clearing, background, input, markers, sweep and texts.
// Benchmark names carry the command and the full scale, e.g. Command2/fs:1e9.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "plot/DrawPlotBackground.h"
#include "support/FakeForm.h"

namespace pr {
namespace {

using Click = void (*)(Form&);

// The client area at 96 DPI: 974 x 576 pixels of 15 twips.
RasterSurface ClientArea() { return RasterSurface(974, 576, 15.0, 0xC0C0C0); }

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

void RunCommand(benchmark::State& state, Click click, Points points, std::string fullScale) {
  RasterSurface raster = ClientArea();
  testing::FakeForm form(raster);
  form.Type(points[0], points[1], points[2], points[3], points[4], points[5], fullScale);
  for (auto _ : state) {
    click(form);
    benchmark::DoNotOptimize(raster.Data());
    form.ForgetHistory();
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
  benchmark::RegisterBenchmark(name.c_str(), RunCommand, click, points, fullScale)->Unit(benchmark::kMillisecond);
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
  }
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
