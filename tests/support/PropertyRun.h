#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/surface/RasterSurface.h"
#include "support/CommandOracle.h"
#include "support/InputGenerator.h"
#include "support/FakeForm.h"

namespace pr::test {

// The window's client area at 96 DPI: 974 x 576 pixels of 15 twips.
inline constexpr int kClientWidth = 974;
inline constexpr int kClientHeight = 576;
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr Colour kWindowGrey = 0xF0F0F0;

inline RasterSurface ClientAreaRaster() { return RasterSurface(kClientWidth, kClientHeight, kTwipsPerPixel, kWindowGrey); }

// The same client area in pixels four times as wide: the same twips, a
// sixteenth of the pixels. Clearing the full raster costs more than most
// commands, so the properties that run 10^4 and more commands use this one.
inline constexpr double kCoarseTwipsPerPixel = 4 * kTwipsPerPixel;
inline RasterSurface CoarseClientAreaRaster() {
  return RasterSurface((kClientWidth + 3) / 4, (kClientHeight + 3) / 4, kCoarseTwipsPerPixel, kWindowGrey);
}

// Types the boxes and runs one command on the form, recording what a rule
// check needs.
inline CommandRun RunOn(FakeForm& form, int command, const BoxTexts& boxes) {
  TypeBoxes(form, boxes);
  CommandRun run;
  run.command = command;
  run.texts = &boxes;
  run.mark = form.DecimalMark();
  run.before = ResultCaptions(form);
  form.ForgetHistory();
  run.error = RunCommand(command, form);
  run.after = ResultCaptions(form);
  run.writes = form.CaptionWrites();
  return run;
}

// What a failure message needs to bring the input back: the texts
// themselves, and the seed and place of the input in its property.
inline std::string Reproduction(int index, int command, const BoxTexts& boxes) {
  const std::string seed = std::to_string(PropertySeed());
  return "input " + std::to_string(index) + " (rerun with " + kSeedVariable + "=" + seed + "): Command" +
         std::to_string(command + 1) + " on " + Quoted(boxes);
}

}  // namespace pr::test
