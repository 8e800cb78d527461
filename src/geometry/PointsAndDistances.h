#pragma once

#include <memory>

#include "geometry/PressResult.h"

namespace pr {
class Form;

// The body of Command1: the three markers, the distances, the triangle and
// its area, the numbers computed exactly from the points as typed.
std::unique_ptr<PressResult> RunPointsCommand(Form& form);

}  // namespace pr
