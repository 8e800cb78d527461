#include "geometry/working/ClickWorking.h"

#include <string>

#include "core/form/Form.h"
#include "core/numbers/RuntimeError.h"
#include "geometry/CommandInput.h"
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

// "Errore di run-time '6':\n\nOverflow" on one line.
std::string OneLineReport(std::string_view report) {
  std::string text(report);
  if (const auto gap = text.find(":\n\n"); gap != std::string::npos) text.replace(gap, 3, " (");
  return text + ")";
}

}  // namespace

Working WorkingOfClick(std::string_view button, const Form& form, std::string_view report) {
  const LineCommandSpec* line = FindLineCommand(button);
  if (!report.empty()) {
    return OneLine(line, OneLineReport(report) +
                             ": il comando si è fermato a quel passo. La figura mostra ciò che aveva disegnato "
                             "prima e le etichette che non aveva ancora scritto restano come prima.");
  }
  try {
    const CommandInput input = ReadCommandInput(form);
    if (FullScaleGuardStops(input)) {
      return OneLine(line,
                     "Fondo scala 0: il comando ridisegna solo il piano cartesiano e si ferma; non disegna "
                     "punti né rette e i suoi risultati restano quelli di prima.");
    }
    if (line == nullptr) return PointsWorking(input, form.DecimalMark());
    return LineWorking(*line, input, form.DecimalMark());
  } catch (const RuntimeError&) {
    // The labels were written, but a value only the working uses (the
    // semiperimeter's sum) is too large to write down.
    return OneLine(line,
                   "Il procedimento non si può scrivere: un valore intermedio supera il più grande numero "
                   "rappresentabile.");
  }
}

}  // namespace pr::working
