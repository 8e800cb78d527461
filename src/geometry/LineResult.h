#pragma once

#include <optional>
#include <string>

#include "core/figure/Working.h"
#include "core/numbers/Hundredths.h"
#include "geometry/ExactGeometry.h"
#include "geometry/PressResult.h"

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

class LineResult final : public PressResult {
 public:
  LineResult(const LineCommandSpec& spec, CommandInput read, bool drewMarkers, std::string decimalMark)
      : PressResult(std::move(read), drewMarkers, std::move(decimalMark)), spec_(spec) {}

  working::Working Working() const override;

  // None when the full-scale guard stopped the command.
  std::optional<LineValues> values;

 private:
  const LineCommandSpec& spec_;
};

}  // namespace pr
