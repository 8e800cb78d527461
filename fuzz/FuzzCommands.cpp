// The four commands on arbitrary text in the seven boxes, on the raster the
// window draws on (974 x 576 pixels at 15 twips per pixel, the client area at
// 96 DPI). The input is read as lines: the first seven are the boxes x1, y1,
// x2, y2, x3, y3 and the full scale; an optional eighth names commands to run
// first ("31" runs Command3, then Command1) and, when it holds a ",", switches
// the decimal mark to the comma. The four commands always all run, on one
// form, so each meets the labels the others left.
//
// Every run must end (libFuzzer's -timeout catches one that does not), keep
// the label rules of tests/support/LabelRules.h and CommandOracle.h, fail
// only with Overflow, and leave only the program's own colours on the raster.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/surface/RasterSurface.h"
#include "support/FakeForm.h"
#include "support/Palette.h"
#include "support/PropertyRun.h"

namespace {

constexpr std::size_t kMostCommandsNamed = 8;

struct FuzzInput {
  pr::test::BoxTexts boxes;
  std::vector<int> commands;  // 0..3, in the order they run
  std::string mark = ".";
};

FuzzInput Parse(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (lines.size() < 8) {
    const std::size_t end = bytes.find('\n');
    lines.push_back(bytes.substr(0, end));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  FuzzInput input;
  for (std::size_t i = 0; i < input.boxes.size() && i < lines.size(); ++i) input.boxes[i] = lines[i];
  const std::string_view options = lines.size() > 7 ? lines[7] : std::string_view();
  for (const char c : options) {
    if (c >= '1' && c <= '4' && input.commands.size() < kMostCommandsNamed) input.commands.push_back(c - '1');
    if (c == ',') input.mark = ",";
  }
  for (int command = 0; command < 4; ++command) input.commands.push_back(command);
  return input;
}

pr::RasterSurface& Raster() {
  static pr::RasterSurface raster = pr::test::ClientAreaRaster();
  return raster;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzInput input = Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  pr::RasterSurface& raster = Raster();
  pr::test::FakeForm form(raster, input.mark);

  for (const int command : input.commands) {
    const pr::test::CommandRun run = pr::test::RunOn(form, command, input.boxes);
    const std::string rule = pr::test::BrokenRule(run);
    Require(rule.empty(), rule);
  }
  Require(pr::test::OnlyProgramColours(raster), "a pixel holds a colour the program never draws");
  return 0;
}
