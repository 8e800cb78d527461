#pragma once

#include <string>

#include "core/form/CommandResult.h"
#include "geometry/CommandInput.h"

namespace pr {

struct LineCommandSpec;

// What a button's command computed. It keeps the points and the full scale
// as the command read them, and whether it drew the point markers (not when
// the full-scale guard stopped it): where the points stand on the plot.
class PressResult : public CommandResult {
 public:
  PressResult(const LineCommandSpec* line, CommandInput read, bool drewMarkers, std::string decimalMark)
      : input(std::move(read)), markersDrawn(drewMarkers), line_(line), decimalMark_(std::move(decimalMark)) {}

  working::Working Working() const override;

  const CommandInput input;
  const bool markersDrawn;

 private:
  const LineCommandSpec* line_;  // null for "I punti e le distanze"
  std::string decimalMark_;
};

}  // namespace pr
