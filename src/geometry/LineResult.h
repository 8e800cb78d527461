#pragma once

#include <optional>
#include <string>

#include "core/numbers/Hundredths.h"
#include "geometry/CommandInput.h"
#include "geometry/ExactGeometry.h"
#include "geometry/working/Working.h"

namespace pr {

struct LineCommandSpec;

// What a line button computed, exactly and once: the line through its pair
// (also with a negative full scale, where the label and the figure do not
// show it), its slope, intercept and perpendicular slope rounded once, and
// the equation its label shows.
struct LineValues {
  ExactLine line;
  // Rounded once; none for a vertical pair (m), or a horizontal one (m').
  std::optional<Hundredths> slope{};
  std::optional<Hundredths> intercept{};
  std::optional<Hundredths> perpendicularSlope{};
  // Whether the sweep ran (a positive full scale), so that the label shows
  // m and q and the figure the line.
  bool traced = false;
  // The label's text after its heading, "Y = + 2,00 X + 1,00"; empty when
  // the command left the label alone (a vertical pair).
  std::string equation{};
};

class LineResult {
 public:
  LineResult(const LineCommandSpec& spec, CommandInput read, bool drewMarkers, std::string decimalMark)
      : input(std::move(read)), markersDrawn(drewMarkers), spec_(spec), decimalMark_(std::move(decimalMark)) {}

  working::Working Working() const;

  const CommandInput input;
  const bool markersDrawn;
  // None when the full-scale guard stopped the command.
  std::optional<LineValues> values;

 private:
  const LineCommandSpec& spec_;
  std::string decimalMark_;
};

}  // namespace pr
