#include "geometry/working/ClickWorking.h"

#include <string>

#include "core/form/Form.h"
#include "core/surface/RasterSurface.h"
#include "geometry/LineCommand.h"
#include "geometry/PointsAndDistances.h"
#include "geometry/working/LineWorking.h"
#include "geometry/working/PointsWorking.h"

namespace pr::working {
namespace {

// Until the press keeps its result: the command again on the same texts,
// nothing written, drawn on a scratch surface.
class Replay final : public Form {
 public:
  explicit Replay(const Form& form) : form_(form) {}
  std::string Text(std::string_view name, int index) const override { return form_.Text(name, index); }
  void SetCaption(std::string_view, std::string_view) override {}
  Surface& Canvas() override { return scratch_; }
  std::string DecimalMark() const override { return form_.DecimalMark(); }

 private:
  const Form& form_;
  RasterSurface scratch_{1, 1, 15.0, 0};
};

std::string HeadingOf(const LineCommandSpec* line) {
  return line == nullptr ? std::string(kPointsHeading) : LineHeading(*line);
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
    return Working{{Heading{HeadingOf(line)},
                    Sentence{OneLineReport(report) +
                             ": il comando si è fermato a quel passo. La figura mostra ciò che aveva disegnato "
                             "prima e le etichette che non aveva ancora scritto restano come prima."}}};
  }
  Replay replay(form);
  if (line == nullptr) return RunPointsCommand(replay)->Working();
  return RunLineCommand(replay, *line)->Working();
}

}  // namespace pr::working
