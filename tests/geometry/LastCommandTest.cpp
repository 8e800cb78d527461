#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form/EventDispatch.h"
#include "core/form/LastCommand.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "plot/FormPaint.h"
#include "support/FakeForm.h"
#include "support/RasterAssertions.h"

namespace pr {
namespace {

using test::FakeForm;

// Collects reports instead of showing them.
class Reports final : public ErrorReporter {
 public:
  void Report(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

struct Typed {
  const char* what;
  void (*handler)(Form&);
  std::vector<std::string> boxes;  // x1, y1, x2, y2, x3, y3, full scale
};

void Type(FakeForm& form, const std::vector<std::string>& b) { form.TypeAll(b); }

// The window at 100 % and at 200 %: a redraw after the change of scale must
// give exactly what the command draws when run at the new scale.
RasterSurface At100() { return RasterSurface(974, 576, 15.0, 0xC0C0C0, 1); }
RasterSurface At200() { return RasterSurface(1948, 1152, 7.5, 0xC0C0C0, 2); }

TEST(LastCommandTest, ARedrawAtAnotherScaleDrawsTheLastCommandAsItWouldRunThere) {
  const Typed cases[] = {
      {"points and triangle", &Command1_Click, {"-4", "-3", "4", "3", "4", "-3", "5"}},
      {"line P1-P2 and its perpendicular", &Command2_Click, {"0", "1", "1", "3", "-6", "-7", "10"}},
      {"white line P1-P3 at a huge full scale", &Command3_Click, {"0", "0", "1", "1", "3e8", "1e9", "1e9"}},
      {"yellow line P2-P3", &Command4_Click, {"0", "0", "1", "-2", "3", "4", "10"}},
      {"stopped by Overflow in the sweep: the part drawn", &Command3_Click, {"0", "0", "0", "0", "1", "1e306", "1000"}},
      {"stopped by Overflow reading a box", &Command1_Click, {"1", "2", "1e999", "0", "0", "0", "10"}},
      {"full scale 0: the plane alone", &Command2_Click, {"1", "2", "3", "4", "5", "6", "0"}},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.what);
    RasterSurface surface = At100();
    FakeForm form(surface);
    Type(form, c.boxes);
    LastCommand last;
    Reports reports;
    last.Run(c.handler, form, reports);
    const std::size_t reported = reports.messages.size();

    // The student types something else; then the scale changes.
    form.Type("7", "7", "7", "7", "7", "7", "7");
    form.ForgetHistory();
    surface.Rescale(1948, 1152, 7.5, 2);
    RedrawFigure(form, Form_Paint, last);

    RasterSurface expected = At200();
    FakeForm fresh(expected);
    Type(fresh, c.boxes);
    Reports ignored;
    Dispatch([&] { c.handler(fresh); }, ignored);
    EXPECT_TRUE(test::SameRaster(surface, expected));
    EXPECT_TRUE(form.Reads().empty()) << "a redraw reads no box";
    EXPECT_TRUE(form.CaptionWrites().empty()) << "a redraw writes no caption";
    EXPECT_EQ(reports.messages.size(), reported) << "an error is reported once, when the command runs";
  }
}

TEST(LastCommandTest, BeforeAnyCommandARedrawIsThePlaneAlone) {
  RasterSurface surface = At200();
  FakeForm form(surface);
  surface.PSet(5000, 5000, colours::kRed);  // whatever was there goes
  RedrawFigure(form, Form_Paint, LastCommand());
  RasterSurface expected = At200();
  FakeForm plane(expected);
  Form_Paint(plane);
  EXPECT_TRUE(test::SameRaster(surface, expected));
}

}  // namespace
}  // namespace pr
