// The same input twice gives the same raster and the same labels: a command
// keeps nothing from one run to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/PropertyRun.h"

namespace pr::test {
namespace {

std::size_t PixelCount(const RasterSurface& raster) {
  return static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height());
}

void ExpectRepeatable(RasterSurface& raster, std::uint64_t stream, int inputs) {
  InputGenerator generate(PropertySeed() + stream);
  FakeForm form(raster, ",");
  std::vector<std::uint32_t> firstPixels(PixelCount(raster));
  for (int i = 0; i < inputs; ++i) {
    const BoxTexts boxes = generate.Boxes();
    const int command = generate.Between(0, 3);
    const CommandRun first = RunOn(form, command, boxes);
    std::copy_n(raster.Data(), firstPixels.size(), firstPixels.begin());
    // Something else in between, so the second run starts from other pixels.
    raster.PSet(3200, 3200, colours::kYellow);
    const CommandRun second = RunOn(form, command, boxes);
    ASSERT_EQ(first.error, second.error) << Reproduction(i, command, boxes);
    ASSERT_EQ(first.after, second.after) << Reproduction(i, command, boxes);
    ASSERT_TRUE(std::equal(firstPixels.begin(), firstPixels.end(), raster.Data()))
        << "the raster differs: " << Reproduction(i, command, boxes);
  }
}

TEST(RepeatProperty, SameInputTwiceGivesTheSameRasterAndLabels) {
  RasterSurface raster = CoarseClientAreaRaster();
  ExpectRepeatable(raster, 1, PropertyInputs(10000));
}

TEST(RepeatProperty, SameInputTwiceGivesTheSamePixelsAt96Dpi) {
  RasterSurface raster = ClientAreaRaster();
  ExpectRepeatable(raster, 5, PropertyInputs(2000));
}

}  // namespace
}  // namespace pr::test
