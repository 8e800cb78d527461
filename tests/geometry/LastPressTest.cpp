#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/PressResult.h"
#include "plot/FormPaint.h"
#include "support/FakeForm.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using test::FakeForm;

struct Typed {
  const char* what;
  Button button;
  std::vector<std::string> boxes;  // x1, y1, x2, y2, x3, y3, full scale
};

// The window at 100 % and at 200 %: a redraw after the change of scale must
// give exactly what the command draws when run at the new scale.
RasterSurface At100() { return RasterSurface(974, 576, 15.0, 0xC0C0C0, 1); }
RasterSurface At200() { return RasterSurface(1948, 1152, 7.5, 0xC0C0C0, 2); }

// A form at 100 % with the boxes typed, nothing pressed yet.
struct TypedForm {
  explicit TypedForm(const std::vector<std::string>& boxes) { form.TypeAll(boxes); }
  RasterSurface surface = At100();
  FakeForm form{surface};
  LastPress last;
};

TEST(LastPressTest, ARedrawAtAnotherScaleDrawsTheLastCommandAsItWouldRunThere) {
  const Typed cases[] = {
      {"points and triangle", Button::Points, {"-4", "-3", "4", "3", "4", "-3", "5"}},
      {"line P1-P2 and its perpendicular", Button::LineP1P2, {"0", "1", "1", "3", "-6", "-7", "10"}},
      {"white line P1-P3 at a huge full scale", Button::LineP1P3, {"0", "0", "1", "1", "3e8", "1e9", "1e9"}},
      {"yellow line P2-P3", Button::LineP2P3, {"0", "0", "1", "-2", "3", "4", "10"}},
      {"stopped by Overflow in the sweep: the part drawn",
       Button::LineP1P3,
       {"0", "0", "0", "0", "1", "1e306", "1000"}},
      {"stopped by Overflow reading a box", Button::Points, {"1", "2", "1e999", "0", "0", "0", "10"}},
      {"full scale 0: the plane alone", Button::LineP1P2, {"1", "2", "3", "4", "5", "6", "0"}},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.what);
    TypedForm typed(c.boxes);
    auto& [surface, form, last] = typed;
    const std::optional<Failure> failure = last.Press(CommandOf(c.button), form);

    // The student types something else; then the scale changes.
    form.Type("7", "7", "7", "7", "7", "7", "7");
    form.ForgetHistory();
    surface.Rescale(1948, 1152, 7.5, 2);
    last.Redraw(form, Form_Paint);

    RasterSurface expected = At200();
    FakeForm fresh(expected);
    fresh.TypeAll(c.boxes);
    LastPress another;
    EXPECT_EQ(another.Press(CommandOf(c.button), fresh), failure);
    EXPECT_TRUE(test::SameRaster(surface, expected));
    EXPECT_TRUE(form.Reads().empty()) << "a redraw reads no box";
    EXPECT_TRUE(form.CaptionWrites().empty()) << "a redraw writes no caption";
    EXPECT_EQ(last.LastFailure(), failure) << "a redraw is no new press";
  }
}

// What a press keeps: the command, its result (what the drag needs of it:
// the points as read and whether their markers stand), the failure, and a
// working with the command's heading first.
TEST(LastPressTest, KeepsWhatThePressComputedOrWhatStoppedIt) {
  struct Case {
    const char* what;
    Button button;
    std::vector<std::string> boxes;
    bool result;
    bool markersDrawn;
    std::optional<Failure> failure;
  };
  const Case cases[] = {
      {"ran to its end", Button::LineP1P3, {"0", "1", "1", "3", "2", "5", "10"}, true, true, std::nullopt},
      {"stopped by the full-scale guard",
       Button::Points,
       {"0", "1", "1", "3", "2", "5", "0"},
       true,
       false,
       std::nullopt},
      {"a run-time error",
       Button::LineP1P2,
       {"0", "0", "1e-310", "1", "0", "0", "10"},
       false,
       false,
       Failure{6, "Overflow"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TypedForm typed(c.boxes);
    auto& [surface, form, last] = typed;
    EXPECT_EQ(last.Press(CommandOf(c.button), form), c.failure);
    EXPECT_EQ(last.LastFailure(), c.failure);
    EXPECT_EQ(last.LastCommand(), &CommandOf(c.button));
    const auto* result = dynamic_cast<const PressResult*>(last.Result());
    ASSERT_EQ(result != nullptr, c.result);
    if (result != nullptr) {
      EXPECT_EQ(result->markersDrawn, c.markersDrawn);
      EXPECT_EQ(result->input.p2, (Point{1, 3}));
    }
    ASSERT_FALSE(last.Working().items.empty());
    const auto* heading = std::get_if<working::Heading>(&last.Working().items.front());
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text, CommandOf(c.button).heading);
  }
}

TEST(LastPressTest, BeforeAnyPressARedrawIsThePlaneAlone) {
  RasterSurface surface = At200();
  FakeForm form(surface);
  surface.PSet(5000, 5000, colours::kRed);  // whatever was there goes
  LastPress().Redraw(form, Form_Paint);
  RasterSurface expected = At200();
  FakeForm plane(expected);
  Form_Paint(plane);
  EXPECT_TRUE(test::SameRaster(surface, expected));
}

}  // namespace
}  // namespace pr
