#pragma once

#include <memory>

#include "geometry/PointsResult.h"

namespace pr {
class Form;

// The body of Command1: the three markers, the distances, the triangle and
// its area, the numbers computed exactly from the points as typed, once.
std::unique_ptr<PointsResult> RunPointsCommand(Form& form);

}  // namespace pr
