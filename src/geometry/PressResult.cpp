#include "geometry/PressResult.h"

#include "geometry/working/ClickWorking.h"

namespace pr {

working::Working PressResult::Working() const {
  return working::WorkingOfPress(line_, input, markersDrawn, decimalMark_);
}

}  // namespace pr
