#include "geometry/working/ClickWorking.h"

#include <string>

#include "core/numbers/RuntimeError.h"
#include "geometry/LineCommand.h"
#include "geometry/working/LineWorking.h"
#include "geometry/working/PointsWorking.h"

namespace pr::working {
namespace {

std::string HeadingOf(const LineCommandSpec* line) {
  return line == nullptr ? std::string(kPointsHeading) : LineHeading(*line);
}

Working OneLine(const LineCommandSpec* line, std::string text) {
  return Working{{Heading{HeadingOf(line)}, Sentence{std::move(text)}}};
}

}  // namespace

Working WorkingOfPress(const LineCommandSpec* line, const CommandInput& input, bool markersDrawn,
                       std::string_view mark) {
  if (!markersDrawn) {
    return OneLine(line,
                   "Fondo scala 0: il comando ridisegna solo il piano cartesiano e si ferma; non disegna "
                   "punti né rette e i suoi risultati restano quelli di prima.");
  }
  try {
    if (line == nullptr) return PointsWorking(input, mark);
    return LineWorking(*line, input, mark);
  } catch (const RuntimeError&) {
    // The labels were written, but a value only the working uses (the
    // semiperimeter's sum) is too large to write down.
    return OneLine(line,
                   "Il procedimento non si può scrivere: un valore intermedio supera il più grande numero "
                   "rappresentabile.");
  }
}

}  // namespace pr::working
