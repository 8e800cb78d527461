#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/figure/Working.h"
#include "core/numbers/Hundredths.h"
#include "geometry/ExactGeometry.h"
#include "geometry/PressResult.h"

namespace pr {

// What "I punti e le distanze" computed, exactly and once: the three sides,
// the area and the semiperimeter, each with its value rounded once. The
// labels were written from it; the working is rendered from it.
struct PointsValues {
  OnOneScale<6> points;            // x1, y1, ..., y3 as integers of one unit
  std::array<ExactSide, 3> sides;  // P1-P2, P1-P3, P2-P3, as the labels
  ExactArea area;
  Hundredths semiperimeter;
};

class PointsResult final : public PressResult {
 public:
  using PressResult::PressResult;

  working::Working Working() const override;

  // None when the full-scale guard stopped the command.
  std::optional<PointsValues> values;
};

}  // namespace pr
