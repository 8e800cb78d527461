#pragma once

namespace pr {

// A point in world units, as the commands read it from the boxes.
struct Point {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace pr
