#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/form/FormLayout.h"
#include "core/form/LastPress.h"
#include "core/form/Twips.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "support/CommandOracle.h"
#include "support/FakeForm.h"
#include "support/InputGenerator.h"

namespace pr::test {

// The window's client area at 96 DPI, in pixels of 15 twips, on a grey no
// command draws with.
inline constexpr double kTwipsPerPixel = kTwipsPerInch / kStandardDpi;
inline constexpr Colour kWindowGrey = 0xF0F0F0;
inline RasterSurface ClientAreaRaster() {
  return RasterSurface(layout::ClientWidth(kStandardDpi), layout::ClientHeight(kStandardDpi), kTwipsPerPixel,
                       kWindowGrey);
}

// The same client area in pixels four times as wide: the same twips, a
// sixteenth of the pixels. Clearing the full raster costs more than most
// commands, so the properties that run 10^4 and more commands use this one.
inline RasterSurface CoarseClientAreaRaster() {
  return RasterSurface(layout::ClientWidth(kStandardDpi / 4), layout::ClientHeight(kStandardDpi / 4),
                       4 * kTwipsPerPixel, kWindowGrey);
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
  LastPress press;
  // As the front ends press: through the one press flow, every failure
  // given back (a number other than a run-time error's is a fault the rules
  // report).
  if (const auto failure = press.Press(kCommands[static_cast<std::size_t>(command)], form)) {
    run.error = static_cast<ErrorCode>(failure->number);
  }
  run.working = press.Working();
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
