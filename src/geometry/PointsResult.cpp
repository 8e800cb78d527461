#include "geometry/PointsResult.h"

#include "geometry/working/PointsWorking.h"

namespace pr {

working::Working PointsResult::Working() const { return working::PointsWorking(*this, DecimalMark()); }

}  // namespace pr
