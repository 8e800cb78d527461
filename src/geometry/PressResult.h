#pragma once

#include <string>

#include "core/form/CommandResult.h"
#include "geometry/CommandInput.h"

namespace pr {

// What a button's command computed. It keeps the points and the full scale
// as the command read them, and whether it drew the point markers (not when
// the full-scale guard stopped it): where the points stand on the plot.
// Each command's result adds its own values and renders its working.
class PressResult : public CommandResult {
 public:
  PressResult(CommandInput read, bool drewMarkers, std::string decimalMark)
      : input(std::move(read)), markersDrawn(drewMarkers), decimalMark_(std::move(decimalMark)) {}

  const CommandInput input;
  const bool markersDrawn;

 protected:
  // The locale's decimal mark at the press, as the labels were written.
  const std::string& DecimalMark() const { return decimalMark_; }

 private:
  std::string decimalMark_;
};

}  // namespace pr
