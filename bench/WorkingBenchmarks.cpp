// The working's own share of a press: making the "Procedimento" from what
// the command computed (the command itself is not timed here;
// CommandBenchmarks.cpp times it). Names: Working/<command>/<inputs>,
// after the command benchmarks in punti-bench.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "support/FakeForm.h"

namespace pr {
namespace {

// x1, y1, x2, y2, x3, y3 and the full scale.
using Boxes = std::array<const char*, 7>;
// Small integers: fractions and simplified roots all the way.
constexpr Boxes kIntegers = {"0", "1", "1", "3", "-6", "-7", "10"};
// Long decimals: the working in decimals, from the exact values.
constexpr Boxes kLongDecimals = {"0.123456789", "1.987654321", "1.000000001", "3.14159265", "-6.5", "-7.25", "10"};
// The far ends of the double range: exact values of a thousand digits.
constexpr Boxes kHuge = {"1e150", "-1e150", "-1e150", "1e150", "2e-300", "3e150", "1e300"};

void MakeWorking(benchmark::State& state, Button button, Boxes boxes) {
  RasterSurface raster(974, 576, 15.0, 0xC0C0C0);
  test::FakeForm form(raster, ",");
  form.Type(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6]);
  LastPress last;
  last.Press(CommandOf(button), form);
  for (auto _ : state) {
    working::Working made = last.Result()->Working();
    benchmark::DoNotOptimize(made);
  }
}

// Registered with the command benchmarks, before punti-bench's main runs.
const bool kRegistered = [] {
  const std::array<std::pair<const char*, Boxes>, 3> inputs = {
      {{"integers", kIntegers}, {"long-decimals", kLongDecimals}, {"huge", kHuge}}};
  for (Button button : {Button::Points, Button::LineP1P2, Button::LineP1P3}) {
    for (const auto& [name, boxes] : inputs) {
      const std::string benchmark = "Working/" + std::string(ControlOf(button).name) + "/" + name;
      benchmark::RegisterBenchmark(benchmark.c_str(), MakeWorking, button, boxes)->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace pr
