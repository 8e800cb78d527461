#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/form/FormLayout.h"
#include "core/surface/FormBackground.h"
#include "geometry/LineCommand.h"
#include "geometry/PointMarkers.h"
#include "plot/PlotArea.h"

namespace pr {
namespace {

// WCAG 2 relative luminance of a 0x00BBGGRR colour.
double Luminance(Colour c) {
  const auto linear = [](unsigned channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c & 0xFFu) + 0.7152 * linear((c >> 8) & 0xFFu) + 0.0722 * linear((c >> 16) & 0xFFu);
}

double ContrastWithBackground(Colour c) {
  const double a = Luminance(c) + 0.05;
  const double b = Luminance(kFormBackground) + 0.05;
  return std::max(a, b) / std::min(a, b);
}

struct Drawn {
  std::string what;
  Colour colour;
  double least;  // the smallest contrast it may have
};

// White and yellow lie closest to any light background; they need more.
constexpr double kLightLine = 1.6;
constexpr double kAnyOther = 1.3;

double LeastFor(Colour c) { return c == colours::kWhite || c == colours::kYellow ? kLightLine : kAnyOther; }

// Every colour the program puts on the form's background, taken from where
// the drawing code and the layout take it.
std::vector<Drawn> EverythingDrawn() {
  std::vector<Drawn> drawn = {
      {"grid", plot::kGridColour, kAnyOther},
      {"axes", plot::kAxisColour, kAnyOther},
  };
  for (int i = 0; i < 3; ++i) {
    drawn.push_back({"marker of P" + std::to_string(i + 1), kPointColours[i], kAnyOther});
  }
  for (const LineCommandSpec& spec : kLineCommands) {
    drawn.push_back({"line of " + std::string(ControlOf(spec.button).name), spec.dotColour, LeastFor(spec.dotColour)});
  }
  // Captions and legend markers stand on the form's background too; text
  // boxes have their own white field.
  for (const layout::ControlRow& row : layout::Controls()) {
    if (row.kind == layout::ControlKind::TextBox) continue;
    const Colour colour = row.colour.value_or(colours::kBlack);
    drawn.push_back({std::string(row.name) + "(" + std::to_string(row.index) + ")", colour, LeastFor(colour)});
  }
  return drawn;
}

TEST(BackgroundContrastTest, EveryColourStandsOutFromTheFormsBackground) {
  for (const Drawn& d : EverythingDrawn()) {
    EXPECT_GE(ContrastWithBackground(d.colour), d.least) << d.what;
  }
}

}  // namespace
}  // namespace pr
