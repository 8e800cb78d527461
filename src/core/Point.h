#pragma once

namespace pr {

// Two coordinates of one kind: the kind keeps world units and plot twips
// apart, so one is never passed where the other is meant.
template <class Kind>
struct Coordinates {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Coordinates&, const Coordinates&) = default;
};

// A point in world units, as the commands read it from the boxes.
using Point = Coordinates<struct WorldUnits>;

}  // namespace pr
