#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/surface/SingleCoordinates.h"
#include "geometry/sweep/SweepCellEdges.h"

namespace pr {
namespace {

// The cell PSet finds for a double plot coordinate.
int CellOfDouble(double twips, double twipsPerPixel, int count) {
  return CellOf(*NarrowToSingle(twips), twipsPerPixel, count);
}

TEST(SweepCellEdges, EachEdgeSeparatesACellFromTheOneBefore) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double twipsPerPixel : {15.0, 7.5, 12.0, 20.0}) {
    constexpr int kCount = 600;
    const SweepCellEdges edges(twipsPerPixel, kCount);
    for (int cell = 0; cell <= kCount; ++cell) {
      const double edge = edges.Entering(cell);
      SCOPED_TRACE(::testing::Message() << twipsPerPixel << " twips a pixel, cell " << cell << ", edge " << edge);
      // Just above the edge the dot is in the cell; just below, before it.
      EXPECT_EQ(CellOfDouble(std::nextafter(edge, kInfinity), twipsPerPixel, kCount), cell);
      EXPECT_EQ(CellOfDouble(std::nextafter(edge, -kInfinity), twipsPerPixel, kCount), cell - 1);
    }
  }
}

TEST(SweepCellEdges, EdgeLiesHalfASingleBelowTheCellsFirstTwip) {
  const SweepCellEdges edges(15.0, 500);
  // 15 * 100 = 1500 is a single; the singles there are 2^-13 apart.
  EXPECT_EQ(edges.Entering(100), 1500.0 - 0x1p-14);
  EXPECT_EQ(edges.Entering(0), -0x1p-150);  // halfway from -0 to the smallest negative single
}

}  // namespace
}  // namespace pr
