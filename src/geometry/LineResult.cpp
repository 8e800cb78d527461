#include "geometry/LineResult.h"

#include "geometry/working/LineWorking.h"

namespace pr {

working::Working LineResult::Working() const { return working::LineWorking(spec_, *this, DecimalMark()); }

}  // namespace pr
