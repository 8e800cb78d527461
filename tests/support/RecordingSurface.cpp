#include "support/RecordingSurface.h"

#include <algorithm>

#include "core/surface/SingleCoordinates.h"

namespace pr::test {

void RecordingSurface::Cls() { calls_.push_back({.op = Op::Cls}); }

void RecordingSurface::PSet(double x, double y, Colour colour) {
  calls_.push_back({.op = Op::PSet, .x1 = NarrowToSingle(x), .y1 = NarrowToSingle(y), .colour = colour});
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  calls_.push_back({.op = Op::Line,
                    .x1 = NarrowToSingle(x1),
                    .y1 = NarrowToSingle(y1),
                    .x2 = NarrowToSingle(x2),
                    .y2 = NarrowToSingle(y2),
                    .colour = colour});
}

void RecordingSurface::Circle(double x, double y, double radius, Colour colour) {
  calls_.push_back(
      {.op = Op::Circle, .x1 = NarrowToSingle(x), .y1 = NarrowToSingle(y), .radius = radius, .colour = colour});
}

std::size_t RecordingSurface::Count(Op op) const {
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(), [op](const Call& call) { return call.op == op; }));
}

}  // namespace pr::test
