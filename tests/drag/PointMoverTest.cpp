// A point moved by hand or by keys leaves what typing the same texts and
// pressing the same button leaves; Escape and Ctrl+Z put it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/figure/Working.h"
#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/drag/PointMover.h"
#include "support/FakeForm.h"

namespace pr::drag {
namespace {

using test::FakeForm;
using Boxes = std::vector<std::string>;  // x1, y1, x2, y2, x3, y3, full scale

constexpr double kMouse = 360;  // a mouse's target at 100 %, in twips

// The form at 100 %, its boxes written by the moves, and its last press.
struct Window {
  class Editor final : public BoxEditor {
   public:
    explicit Editor(FakeForm& form) : form_(form) {}
    void SetBoxText(InputBox box, const std::string& text) override { form_.SetText(box, text); }

   private:
    FakeForm& form_;
  };

  explicit Window(const Boxes& boxes) { form.TypeAll(boxes); }
  std::optional<Failure> Press(Button button) { return last.Press(CommandOf(button), form); }
  Boxes Typed() const {
    Boxes typed;
    for (InputBox box : kInputBoxes) typed.push_back(form.Text(box));
    return typed;
  }

  RasterSurface raster{974, 576, 15.0, 0xC0C0C0};
  FakeForm form{raster};
  Editor editor{form};
  LastPress last;
  PointMover mover{form, editor, last};
};

// What a student sees: the boxes, every result label, the working, the pixels.
void ExpectSameScreen(const Window& a, const Window& b) {
  EXPECT_EQ(a.Typed(), b.Typed());
  for (ResultLabel label : kResultLabels) EXPECT_EQ(a.form.Caption(label), b.form.Caption(label));
  EXPECT_EQ(working::WorkingText(a.last.Working()), working::WorkingText(b.last.Working()));
  EXPECT_TRUE(std::equal(a.raster.Data(), a.raster.Data() + 974 * 576, b.raster.Data()));
}

// Typing `boxes` and pressing `button` in a fresh window.
void ExpectAsTyped(const Window& moved, Button button) {
  Window typed(moved.Typed());
  EXPECT_EQ(typed.Press(button), moved.last.LastFailure());
  ExpectSameScreen(moved, typed);
}

PlotPoint Twips(double x, double y, double fullScale) {
  return {3200 + x * 3200 / fullScale, 3200 - y * 3200 / fullScale};
}

TEST(PointMover, DragsLeaveWhatTypingAndPressingLeave) {
  struct Case {
    const char* what;
    Button button;
    Boxes boxes;
    Point grab;                   // world, on the point
    std::vector<PlotPoint> path;  // twips
    Snap snap;
    std::pair<std::string, std::string> texts;  // the grabbed point's boxes at the drop
  };
  const Case cases[] = {
      {"P2 of the line and its perpendicular",
       Button::LineP1P2,
       {"0", "1", "1", "3", "-6", "-7", "10"},
       {1, 3},
       {{3700, 2600}, {4480, 3840}},
       Snap::Grid,
       {"4", "-2"}},
      {"P3 of the triangle, Shift",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "5"},
       {0, 4},
       {{3300, 900}, {3200 + 32 * 13, 3200 - 32 * 33}},
       Snap::Fine,
       {"0.65", "1.65"}},
      {"P1 at full scale 7",
       Button::LineP1P3,
       {"0", "0", "5", "5", "2", "1", "7"},
       {0, 0},
       {{3200 - 960, 3200 + 320}},
       Snap::Grid,
       {"-2.1", "-0.7"}},
      {"P3 at full scale 0.3, mirrored",
       Button::LineP2P3,
       {"0", "0", "0.1", "0.1", "-0.2", "0.1", "-0.3"},
       {-0.2, 0.1},
       {{3200 + 640, 3200 - 320}},
       Snap::Grid,
       {"-0.06", "-0.03"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Window w(c.boxes);
    w.Press(c.button);
    const std::optional<int> point = w.mover.Press(Twips(c.grab.x, c.grab.y, std::stod(c.boxes[6])), kMouse);
    ASSERT_TRUE(point);
    for (PlotPoint at : c.path) {
      w.mover.Move(at, c.snap);
      w.mover.Frame();
    }
    EXPECT_EQ(w.mover.Release().failure, std::nullopt);
    EXPECT_EQ(w.form.Text(CoordinateBox(*point, 0)), c.texts.first);
    EXPECT_EQ(w.form.Text(CoordinateBox(*point, 1)), c.texts.second);
    ExpectAsTyped(w, c.button);
  }
}

TEST(PointMover, OneRunPerFrameAndTheErrorOnceAtTheDrop) {
  // The distance from P1 (and P2) to P3 at the top-right corner overflows.
  Window w({"-1e308", "-1e308", "-1e308", "-1e308", "0", "0", "1e308"});
  ASSERT_EQ(w.Press(Button::Points), std::nullopt);
  ASSERT_EQ(w.mover.Press({3200, 3200}, kMouse), 2);
  EXPECT_TRUE(w.mover.Move({4000, 2000}, Snap::Grid));
  EXPECT_FALSE(w.mover.Move({6400, 0}, Snap::Grid));  // the frame is asked for already
  w.form.ForgetHistory();
  EXPECT_TRUE(w.mover.Frame());
  EXPECT_EQ(std::count(w.form.Reads().begin(), w.form.Reads().end(), InputBox::FullScale), 1);
  EXPECT_FALSE(w.mover.Frame());
  EXPECT_TRUE(w.last.LastFailure());
  EXPECT_EQ(w.mover.Release().failure, w.last.LastFailure());
  EXPECT_EQ(w.Typed()[4], "1e308");
}

TEST(PointMover, EscapeAndCtrlZPutEverythingBack) {
  const Boxes boxes = {"0", "1", "1", "3", "-6", "-7", "10"};
  Window before(boxes);
  before.Press(Button::LineP1P2);
  struct Case {
    const char* what;
    bool escape;
    std::optional<InputBox> focus;  // where Ctrl+Z is pressed
    bool undone;
  };
  for (const Case& c :
       {Case{"Escape", true, std::nullopt, true}, Case{"Ctrl+Z outside the boxes", false, std::nullopt, true},
        Case{"Ctrl+Z in the moved x box", false, InputBox::X2, true},
        Case{"Ctrl+Z in another box: its own undo", false, InputBox::X1, false}}) {
    SCOPED_TRACE(c.what);
    Window w(boxes);
    w.Press(Button::LineP1P2);
    w.mover.Press(Twips(1, 3, 10), kMouse);
    w.mover.Move(Twips(-4, 5, 10), Snap::Grid);
    w.mover.Frame();
    if (c.escape) {
      EXPECT_TRUE(w.mover.Cancel());
    } else {
      w.mover.Release();
      EXPECT_EQ(w.mover.Undo(c.focus).ran, c.undone);
    }
    if (c.undone) ExpectSameScreen(w, before);
    EXPECT_EQ(w.Typed()[2], c.undone ? "1" : "-4");
  }
}

TEST(PointMover, TypingOverAMovedBoxKeepsItFromCtrlZ) {
  Window w({"0", "1", "1", "3", "-6", "-7", "10"});
  w.Press(Button::LineP1P2);
  w.mover.Press(Twips(1, 3, 10), kMouse);
  w.mover.Move(Twips(2, 2, 10), Snap::Grid);
  w.mover.Release();
  w.form.SetText(InputBox::Y2, "2.5");
  EXPECT_FALSE(w.mover.CanUndo(std::nullopt));
  EXPECT_FALSE(w.mover.Undo(InputBox::Y2).ran);
  EXPECT_EQ(w.Typed()[3], "2.5");
}

TEST(PointMover, UpDownAndEnterInTheBoxes) {
  struct Case {
    const char* what;
    bool pressedBefore;
    InputBox box;
    int direction;  // 0: Enter
    Snap snap;
    std::string text;  // the box afterwards
    bool ran;
  };
  const Case cases[] = {
      {"Up in y2", true, InputBox::Y2, +1, Snap::Grid, "4", true},
      {"Shift+Down in x1", true, InputBox::X1, -1, Snap::Fine, "-0.1", true},
      {"Up before any press: the box only", false, InputBox::X3, +1, Snap::Grid, "-5", false},
      {"Up in the full scale: nothing", true, InputBox::FullScale, +1, Snap::Grid, "10", false},
      {"Enter after a press", true, InputBox::Y3, 0, Snap::Grid, "-7", true},
      {"Enter before any press: nothing", false, InputBox::Y3, 0, Snap::Grid, "-7", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Window w({"0", "1", "1", "3", "-6", "-7", "10"});
    if (c.pressedBefore) w.Press(Button::LineP1P2);
    const Rerun rerun = c.direction == 0 ? w.mover.Enter() : w.mover.Step(c.box, c.direction, c.snap);
    EXPECT_EQ(rerun.ran, c.ran);
    EXPECT_EQ(w.form.Text(c.box), c.text);
    if (c.ran) ExpectAsTyped(w, Button::LineP1P2);
  }
}

}  // namespace
}  // namespace pr::drag
